// The passes of a run, the operation menu and the fatal ends.
#include "program_fixture.hpp"

namespace brantover::testing {
namespace {

// Answers of one bandpass pass on the defaults, ending at the menu.
const std::string one_pass = lines({"", "", "", "", "", "", "", "", "", "", "", "", ""});
const std::string rerun_pass = lines({"", "", "", "", ""});  // range, format, storage

std::size_t count(const std::string& s, const std::string& piece) {
    std::size_t n = 0;
    for (auto at = s.find(piece); at != std::string::npos; at = s.find(piece, at + 1)) ++n;
    return n;
}

using DriverTest = work_folder;

TEST_F(DriverTest, OperationAnswersAreRoundedBeforeTheChoice) {
    struct menu_case {
        const char* answer;
        std::size_t banners, reports;
    };
    for (const menu_case& c : {menu_case{"1.4", 1, 2},
                               {"1.5", 2, 2},
                               {"2.5", 1, 1},
                               {"", 1, 1},
                               {"0", 1, 1},
                               {"-1", 1, 1},
                               {"3", 1, 1},
                               {"99", 1, 1}}) {
        std::string answers = one_pass + c.answer + "\n";
        if (c.reports == 2) answers += (c.banners == 2 ? one_pass : rerun_pass) + "3\n";
        const run_result r = play(answers);
        EXPECT_EQ(r.status, 0) << c.answer;
        EXPECT_EQ(count(r.out, "Program: Brantover (v. 1.1)"), c.banners) << c.answer;
        EXPECT_EQ(count(r.out, "Brantover (v. 1.2)"), c.reports) << c.answer;
        EXPECT_TRUE(r.out.ends_with("      OPERATION selected = ")) << c.answer;
    }
}

TEST_F(DriverTest, ARerunKeepsTheFilterAndItsTimeANewFilterTakesTheClockAndTheDefaultsAgain) {
    int tick = 0;
    std::istringstream in(lines({"",  "", "", "", "", "", "7", "", "", "", "", "", "",  // n = 7
                                 "1", "", "", "", "", "",                               // re-run
                                 "2", "", "", "", "", "", "",  "", "", "", "", "", "", "", "3"}));
    std::ostringstream out, err;
    program_io io{in, out, err,
                  [&] {
                      ++tick;
                      return date_time{2014, 12, 9, 14, 3, tick};
                  },
                  dir.string()};
    ASSERT_EQ(run_program(io), 0);
    const std::string s = out.str();
    EXPECT_EQ(tick, 2);
    EXPECT_EQ(count(s, "Date:12/ 9/2014 at 14: 3: 1Hours"), 3u);  // banner and both reports
    EXPECT_EQ(count(s, "Date:12/ 9/2014 at 14: 3: 2Hours"), 2u);  // banner and report
    EXPECT_EQ(count(s, "# of Poles  =  7"), 2u);
    EXPECT_EQ(count(s, "# of Poles  =  5"), 1u);  // the empty answer takes the file's 5 again
    EXPECT_EQ(count(s, "This Program ANALYZES"), 2u);
}

TEST_F(DriverTest, AnEndOfInputOrABadAnswerEndsTheRunAtOnce) {
    struct fatal_case {
        std::string answers;
        const char* first_line;
        const char* reason;
    };
    const fatal_case cases[] = {
        {"", "cannot read the answer to \"Filter DESIGN\" (standard input, line 1)", "End of file"},
        {"1\nYes\n", "cannot read the answer to \"Frequency Response\" (standard input, line 2)",
         "Bad value during floating point read"},
        {one_pass, "cannot read the answer to \"OPERATION selected\" (standard input, line 14)",
         "End of file"},
        {lines({"", "", "", "", "", "", "", "", "", "", "", "", "1"}),
         "cannot read the answer to \"Enter your FILENAME for Output Data Storage\" (standard "
         "input, line 14)",
         "End of file"},
    };
    for (const fatal_case& c : cases) {
        const run_result r = play(c.answers);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, std::string("brantover: ") + c.first_line + "\r\nbrantover: " + c.reason +
                             "\r\n");
        // What was written stays written, up to the open prompt, and no
        // question is asked again.
        EXPECT_TRUE(r.out.ends_with(" = ") || r.out.ends_with("Storage: ")) << c.first_line;
    }
}

TEST_F(DriverTest, AFatalEndKeepsTheStoredLinesOfTheOpenStorageFile) {
    const run_result r =
        play(lines({"", "", "", "", "", "", "", "", "", "", "", "", "1", ""}) + "x\n");
    EXPECT_EQ(r.status, 2);
    const std::string stored = file("filter.txt");
    EXPECT_TRUE(stored.starts_with("\r\n      ------"));
    EXPECT_TRUE(stored.ends_with("Output data stored in User filename: filter.txt          \r\n"));
    EXPECT_EQ(count(stored, "\r\n"), 62u);  // the whole report: 41 rows and 21 other lines
}

// A console that takes only so many characters, like a full disk.
struct limited_buf : std::streambuf {
    std::size_t room;
    explicit limited_buf(std::size_t n) : room(n) {}
    std::streamsize xsputn(const char*, std::streamsize n) override {
        if (std::size_t(n) > room) return 0;
        room -= std::size_t(n);
        return n;
    }
    int_type overflow(int_type c) override { return xsputn(nullptr, 1) == 1 ? c : traits_type::eof(); }
};

TEST_F(DriverTest, AConsoleThatRefusesOutputStopsTheSweep) {
    // 1 to 16777216 MHz in steps of 1 MHz: millions of rows, were they all written.
    std::istringstream in(lines({"", "", "", "", "", "", "", "", "1", "1e30", "1", "", "1", "", "3"}));
    limited_buf buf(200000);
    std::ostream out(&buf);
    std::ostringstream err;
    program_io io{in, out, err, test_clock, dir.string()};
    EXPECT_EQ(run_program(io), 2);
    EXPECT_TRUE(err.str().starts_with("brantover: cannot write to standard output\r\n")) << err.str();
    // The file holds what the console took, and not the whole sweep.
    EXPECT_LT(std::filesystem::file_size(dir / "filter.txt"), 400000u);
}

TEST_F(DriverTest, TheDefaultsFileIsReadOnceAtTheStart) {
    // The file is spoilt when the second filter pass begins; that pass still
    // takes the values read at the start.
    std::istringstream in(one_pass + "2\n" + one_pass + "3\n");
    std::ostringstream out, err;
    int passes = 0;
    program_io io{in, out, err,
                  [&] {
                      if (++passes == 2) write_file(dir / "Brantover.DEF", "spoilt\n2\n2\n");
                      return test_clock();
                  },
                  dir.string()};
    ASSERT_EQ(run_program(io), 0);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(count(out.str(), "Response    = Bandpass"), 2u);
    EXPECT_EQ(count(out.str(), "Tchebyscheff Response."), 2u);
}

}  // namespace
}  // namespace brantover::testing
