// brantover-plot from its arguments to its exit status.
//
// Everything that can go wrong is found before anything is written: the
// whole file is read and checked, the report chosen, and the picture made in
// memory, so a failure leaves no half-written CSV or picture behind.
#include "plot/plot_tool.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "plot/gnuplot_pipe.hpp"
#include "plot/report_csv.hpp"
#include "plot/stored_report.hpp"

namespace brantover::plot {

namespace {

constexpr int failed = 2;

int fail(std::ostream& err, const std::string& message) {
    err << "brantover-plot: " << message << '\n';
    err.flush();
    return failed;
}

bool read_whole_file(const std::string& name, std::string& text, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec)) {
        error = "cannot read '" + name + "': it is a directory";
        return false;
    }
    errno = 0;
    std::ifstream in(name, std::ios::binary);
    if (!in) {
        error = "cannot open '" + name +
                "': " + (errno != 0 ? std::strerror(errno) : "the file cannot be opened");
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) {
        error = "cannot read '" + name + "'";
        return false;
    }
    text = s.str();
    return true;
}

// The first line of gnuplot's messages that says something.
std::string first_message(const std::string& messages) {
    std::istringstream in(messages);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t start = line.find_first_not_of(" \t^");
        if (start != std::string::npos) return line.substr(start);
    }
    return {};
}

int draw(const tool_options& o, const stored_report& report, const std::string& path,
         std::ostream& err) {
    bool any_frequency = false;
    for (const auto& row : report.rows)
        any_frequency = any_frequency || drawable(row[col::frequency]);
    if (!any_frequency)
        return fail(err, o.report_file + ": the report of line " +
                             std::to_string(report.first_line) +
                             " has no table row with a frequency to draw");

    std::error_code ec;
    if (std::filesystem::equivalent(o.output, o.report_file, ec))
        return fail(err, "the picture file '" + o.output + "' is the report file itself");

    const std::string gnuplot = find_on_path("gnuplot", path);
    if (gnuplot.empty())
        return fail(err,
                    "gnuplot is not installed (no gnuplot on PATH; Debian package gnuplot-nox)");

    const gnuplot_run run = run_gnuplot(gnuplot, plot_script(report, o.format));
    if (!run.ok || run.picture.empty()) {
        const std::string why = run.ok ? "gnuplot drew nothing" : run.failure;
        const std::string said = first_message(run.messages);
        return fail(err, why + (said.empty() ? "" : ": " + said));
    }

    errno = 0;
    std::ofstream out(o.output, std::ios::binary | std::ios::trunc);
    if (out) out.write(run.picture.data(), std::streamsize(run.picture.size()));
    if (out) out.close();
    if (!out) {
        const std::string reason = errno != 0 ? std::strerror(errno) : "write failed";
        std::filesystem::remove(o.output, ec);
        return fail(err, "cannot write '" + o.output + "': " + reason);
    }
    return 0;
}

}  // namespace

int run_plot_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::string& path) {
    tool_options o;
    std::string error;
    if (!parse_options(args, o, error)) return fail(err, error + " (see brantover-plot --help)");
    if (o.help) {
        out << usage;
        out.flush();
        return 0;
    }

    std::string text;
    if (!read_whole_file(o.report_file, text, error)) return fail(err, error);
    std::vector<stored_report> reports;
    read_error bad;
    if (!read_reports(text, reports, bad))
        return fail(err, o.report_file + (bad.line > 0 ? ":" + std::to_string(bad.line) : "") +
                             ": " + bad.message);
    if (o.report > long(reports.size()))
        return fail(err, o.report_file + " holds " + std::to_string(reports.size()) +
                             (reports.size() == 1 ? " report" : " reports") +
                             "; there is no report " + std::to_string(o.report));
    const stored_report& report =
        reports[std::size_t(o.report == 0 ? long(reports.size()) : o.report) - 1];

    if (!o.csv) return draw(o, report, path, err);
    const std::string csv = report_csv(report);
    out.write(csv.data(), std::streamsize(csv.size()));
    out.flush();
    if (!out) return fail(err, "cannot write to standard output");
    return 0;
}

}  // namespace brantover::plot
