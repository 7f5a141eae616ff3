// Stored reports made by the program itself, in a folder of their own, and
// brantover-plot run on them in-process.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "plot/plot_tool.hpp"
#include "plot/stored_report.hpp"
#include "run/driver.hpp"
#include "support/files.hpp"

namespace brantover::plot::testing {

using brantover::testing::read_file;
using brantover::testing::write_file;

// The lines of a text, without their ends (CR LF or LF).
inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

inline std::string join_lines(const std::vector<std::string>& lines, const char* end) {
    std::string s;
    for (const auto& l : lines) s += l + end;
    return s;
}

// Answers of one storing analysis pass from the start of a filter pass,
// ending with an operation-menu choice; "" takes the default. The ripple is
// asked for Chebyshev filters only, the print format for designs 1 and 2 only.
struct filter_answers {
    std::string design, response, f0, bw, n, qu, start, stop, step, format, file, menu = "3";
};

inline std::string answers(const filter_answers& a) {
    std::string s = a.design + "\n" + a.response + "\n";
    const std::string response = a.response.empty() ? "1" : a.response;
    if (response == "1") s += "\n";  // ripple
    s += a.f0 + "\n" + a.bw + "\n" + "1\n" + a.n + "\n" + a.qu + "\n";
    s += a.start + "\n" + a.stop + "\n" + a.step + "\n";
    if (a.design != "3") s += a.format + "\n";
    return s + "1\n" + a.file + "\n" + a.menu + "\n";
}

// The one report of a stored text.
inline stored_report only_report(const std::string& text) {
    std::vector<stored_report> reports;
    read_error error;
    EXPECT_TRUE(read_reports(text, reports, error)) << error.line << ": " << error.message;
    EXPECT_EQ(reports.size(), 1u);
    return reports.empty() ? stored_report{} : reports[0];
}

struct tool_result {
    int status = -1;
    std::string out, err;
};

// A fresh working folder holding the example defaults file, removed afterwards.
struct report_folder : ::testing::Test {
    std::filesystem::path dir;

    void SetUp() override {
        std::string templ =
            (std::filesystem::temp_directory_path() / "brantover-plot-XXXXXX").string();
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        dir = templ;
        std::filesystem::copy_file(BRANTOVER_EXAMPLE_DEF, dir / "Brantover.DEF");
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Plays a whole session of the program; returns the storage file named
    // `file` afterwards.
    std::string store(const std::string& session, const std::string& file) {
        std::istringstream in(session);
        std::ostringstream out, err;
        program_io io{in, out, err, [] { return date_time{2014, 12, 9, 14, 3, 7}; }, dir.string()};
        EXPECT_EQ(run_program(io), 0) << err.str();
        return read_file(dir / file);
    }

    std::vector<stored_report> read_all(const std::string& text) {
        std::vector<stored_report> reports;
        read_error error;
        EXPECT_TRUE(read_reports(text, reports, error))
            << "line " << error.line << ": " << error.message;
        return reports;
    }

    // A file of the folder.
    std::string at(const std::string& name) const { return (dir / name).string(); }

    // brantover-plot in-process; `path` is where it looks for gnuplot.
    tool_result tool(const std::vector<std::string>& args,
                     const std::string& path = default_path()) {
        std::ostringstream out, err;
        tool_result r;
        r.status = run_plot_tool(args, out, err, path);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    static std::string default_path() {
        const char* p = std::getenv("PATH");
        return p ? p : "";
    }
};

}  // namespace brantover::plot::testing
