// The command line of brantover-plot.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "plot/plot_tool.hpp"

namespace brantover::plot {

const char* const usage =
    "usage: brantover-plot REPORT [-o OUT.svg|OUT.png] [--report K]\n"
    "       brantover-plot --csv REPORT [--report K]\n"
    "Draws report K (counted from 1; default the last) of the storage file REPORT\n"
    "with gnuplot, into OUT or, without -o, into REPORT's name ending in .svg;\n"
    "with --csv writes its table as CSV to standard output.\n";

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

// The picture of `report_file` when no -o is given: same name, ending .svg.
std::string default_output(const std::string& report_file) {
    std::filesystem::path p(report_file);
    p.replace_extension(".svg");
    if (p == std::filesystem::path(report_file)) p += ".svg";
    return p.string();
}

}  // namespace

bool parse_options(const std::vector<std::string>& args, tool_options& options,
                   std::string& error) {
    options = tool_options{};
    bool have_output = false, only_names = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& a = args[k];
        const bool takes_value = a == "-o" || a == "--report";
        if (!only_names && takes_value && k + 1 == args.size()) {
            error = "option " + a + " needs a value";
            return false;
        }
        if (only_names || a == "-" || a.empty() || a[0] != '-') {
            if (!options.report_file.empty()) {
                error =
                    "more than one report file given ('" + options.report_file + "', '" + a + "')";
                return false;
            }
            options.report_file = a;
        } else if (a == "--") {
            only_names = true;
        } else if (a == "-h" || a == "--help") {
            options.help = true;
        } else if (a == "--csv") {
            options.csv = true;
        } else if (a == "-o") {
            options.output = args[++k];
            have_output = true;
        } else if (a == "--report") {
            const std::string& v = args[++k];
            long n = 0;
            const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
            if (ec != std::errc{} || end != v.data() + v.size() || n < 1) {
                error = "--report needs a report number of 1 or more, not '" + v + "'";
                return false;
            }
            options.report = n;
        } else {
            error = "unknown option '" + a + "'";
            return false;
        }
    }
    if (options.help) return true;
    if (options.report_file.empty()) {
        error = "no report file given";
        return false;
    }
    if (options.csv && have_output) {
        error = "--csv writes to standard output; -o names a picture file";
        return false;
    }
    if (options.csv) return true;
    if (!have_output) options.output = default_output(options.report_file);
    const std::string ext = lower(std::filesystem::path(options.output).extension().string());
    if (ext == ".svg") {
        options.format = picture_format::svg;
    } else if (ext == ".png") {
        options.format = picture_format::png;
    } else {
        error = "the picture file must end in .svg or .png, not '" + options.output + "'";
        return false;
    }
    return true;
}

}  // namespace brantover::plot
