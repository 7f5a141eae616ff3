// brantover-plot as a whole: choosing the report, every error with its one
// line and status 2 and nothing written, gnuplot missing or failing, and the
// executable itself.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include "plot/plot_fixture.hpp"
#include "plot/report_csv.hpp"
#include "plot/small_reports.hpp"

namespace brantover::plot::testing {
namespace {

using PlotTool = report_folder;

std::string csv_of(const std::string& text) {
    std::vector<stored_report> reports;
    read_error error;
    EXPECT_TRUE(read_reports(text, reports, error));
    return reports.empty() ? std::string() : report_csv(reports.back());
}

void expect_one_line_failure(const tool_result& r, const std::string& says) {
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(r.err.starts_with("brantover-plot: ")) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_TRUE(r.err.ends_with("\n")) << r.err;
    EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
}

TEST_F(PlotTool, CsvOfTheChosenReportTheLastByDefault) {
    write_file(at("two.txt"), small_bandpass + small_both);
    const tool_result last = tool({"--csv", at("two.txt")});
    EXPECT_EQ(last.status, 0) << last.err;
    EXPECT_EQ(last.out, csv_of(small_both));
    const tool_result first = tool({"--report", "1", at("two.txt"), "--csv"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, csv_of(small_bandpass));
    EXPECT_EQ(tool({"--csv", at("two.txt"), "--report", "2"}).out, last.out);
}

TEST_F(PlotTool, FaultsOfTheFileOrTheReportNumber) {
    write_file(at("empty.txt"), "");
    std::filesystem::copy_file(at("Brantover.DEF"), at("defaults.txt"));
    write_file(at("small.txt"), small_bandpass);
    auto lines = lines_of(small_bandpass);
    lines[21][36] = 'x';
    write_file(at("damaged.txt"), join_lines(lines, "\r\n"));
    std::filesystem::create_directory(at("folder.txt"));

    struct fault {
        const char* what;
        std::string file;
        std::vector<std::string> more;
        std::string says;
    } const faults[] = {
        {"missing file",
         at("none.txt"),
         {},
         "cannot open '" + at("none.txt") + "': No such file or directory"},
        {"a folder",
         at("folder.txt"),
         {},
         "cannot read '" + at("folder.txt") + "': it is a directory"},
        {"an empty file", at("empty.txt"), {}, at("empty.txt") + ": no report in the file"},
        {"a file with no report", at("defaults.txt"), {}, "no report in the file"},
        {"report number out of range",
         at("small.txt"),
         {"--report", "2"},
         at("small.txt") + " holds 1 report; there is no report 2"},
        {"a malformed row", at("damaged.txt"), {}, at("damaged.txt") + ":22: malformed table row"},
    };
    for (const auto& f : faults) {
        for (const bool csv : {true, false}) {
            SCOPED_TRACE(std::string(f.what) + (csv ? ", CSV" : ", picture"));
            std::vector<std::string> args{f.file};
            if (csv)
                args.push_back("--csv");
            else
                args.insert(args.end(), {"-o", at("out.svg")});
            args.insert(args.end(), f.more.begin(), f.more.end());
            expect_one_line_failure(tool(args), f.says);
            EXPECT_FALSE(std::filesystem::exists(at("out.svg")));
        }
    }
}

TEST_F(PlotTool, FaultsOfTheCommandLine) {
    write_file(at("small.txt"), small_bandpass);
    const std::string small = at("small.txt");
    struct fault {
        std::vector<std::string> args;
        const char* says;
    } const faults[] = {
        {{}, "no report file given"},
        {{"--csv"}, "no report file given"},
        {{small, "--report", "0"}, "--report needs a report number of 1 or more, not '0'"},
        {{small, "--report", "two"}, "not 'two'"},
        {{small, "--report", "1x"}, "not '1x'"},
        {{small, "--report"}, "option --report needs a value"},
        {{small, "-o"}, "option -o needs a value"},
        {{small, "--svg"}, "unknown option '--svg'"},
        {{small, small}, "more than one report file given"},
        {{small, "-o", at("out.pdf")}, "must end in .svg or .png"},
        {{small, "-o", at("out")}, "must end in .svg or .png"},
        {{small, "--csv", "-o", at("out.svg")}, "--csv writes to standard output"},
    };
    for (const auto& f : faults) {
        SCOPED_TRACE(f.says);
        expect_one_line_failure(tool(f.args), f.says);
    }
    EXPECT_FALSE(std::filesystem::exists(at("out.svg")));
    EXPECT_FALSE(std::filesystem::exists(at("small.svg")));
}

// A stand-in for gnuplot: a shell script under that name in its own folder.
std::string fake_gnuplot(const std::filesystem::path& folder, const std::string& body) {
    std::filesystem::create_directories(folder);
    write_file(folder / "gnuplot", "#!/bin/sh\n" + body);
    std::filesystem::permissions(folder / "gnuplot", std::filesystem::perms::owner_all);
    return folder.string();
}

TEST_F(PlotTool, GnuplotMissingOrFailing) {
    write_file(at("small.txt"), small_bandpass);
    const std::vector<std::string> draw{at("small.txt"), "-o", at("out.svg")};

    expect_one_line_failure(tool(draw, ""), "gnuplot is not installed");
    expect_one_line_failure(tool(draw, at("nowhere")), "gnuplot is not installed");
    // A file named gnuplot that may not be run is not gnuplot.
    const std::string not_runnable = fake_gnuplot(at("plain"), "exit 0\n");
    std::filesystem::permissions(at("plain/gnuplot"), std::filesystem::perms::owner_read);
    expect_one_line_failure(tool(draw, not_runnable), "gnuplot is not installed");
    // CSV needs no gnuplot.
    EXPECT_EQ(tool({"--csv", at("small.txt")}, "").status, 0);

    // gnuplot's first message tells why it failed.
    const std::string failing = fake_gnuplot(at("failing"),
                                             "cat >/dev/null\necho '  ^' >&2\n"
                                             "echo 'line 12: undefined variable: x' >&2\nexit 1\n");
    expect_one_line_failure(tool(draw, failing),
                            "gnuplot failed with exit status 1: line 12: undefined variable: x");
    const std::string silent = fake_gnuplot(at("silent"), "cat >/dev/null\nexit 0\n");
    expect_one_line_failure(tool(draw, silent), "gnuplot drew nothing");
    EXPECT_FALSE(std::filesystem::exists(at("out.svg")));
}

TEST_F(PlotTool, LongTablesThroughThePipes) {
    // 2001 rows make a script larger than a pipe holds.
    store(answers({"", "", "", "", "", "", "900", "1100", "0.1", "", "long.txt"}), "long.txt");
    const std::vector<std::string> draw{at("long.txt"), "-o", at("out.svg")};
    // gnuplot that quits before reading its script must not take the tool with it.
    const std::string quitting = fake_gnuplot(at("quitting"), "echo 'no terminal' >&2\nexit 1\n");
    expect_one_line_failure(tool(draw, quitting), "gnuplot failed with exit status 1: no terminal");
    // gnuplot that writes much of its picture before it has read the whole script.
    const std::string eager = fake_gnuplot(
        at("eager"), "head -c 10 >/dev/null\nhead -c 300000 /dev/zero\ncat >/dev/null\nexit 0\n");
    const tool_result r = tool(draw, eager);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(at("out.svg")), std::string(300000, '\0'));
}

// Runs the brantover-plot executable in the folder under the shell.
tool_result run_executable(const std::filesystem::path& dir, const std::string& args,
                           const std::string& env = "") {
    const std::string command = "cd '" + dir.string() + "' && " + env + " '" + BRANTOVER_PLOT_EXE +
                                "' " + args + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    tool_result r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = read_file(dir / "stdout.txt");
    r.err = read_file(dir / "stderr.txt");
    return r;
}

TEST_F(PlotTool, TheExecutable) {
    write_file(at("small.txt"), small_bandpass + small_both);
    const tool_result csv = run_executable(dir, "--csv small.txt --report 1");
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out, csv_of(small_bandpass));

    const tool_result no_gnuplot = run_executable(dir, "small.txt", "PATH=/nonexistent");
    expect_one_line_failure(no_gnuplot, "gnuplot is not installed");
    EXPECT_FALSE(std::filesystem::exists(at("small.svg")));

    const tool_result bad = run_executable(dir, "small.txt --report 3");
    expect_one_line_failure(bad, "small.txt holds 2 reports; there is no report 3");
}

}  // namespace
}  // namespace brantover::plot::testing
