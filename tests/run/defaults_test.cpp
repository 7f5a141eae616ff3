// The defaults file: every entry checked in order, the first bad one named.
#include "program_fixture.hpp"

namespace brantover::testing {
namespace {

const std::string eof_message_head =
    "      `End of file` in Brantover`s default data file (Brantover.DEF).\r\n"
    "      Entry missing for variable ";
const std::string eof_message_tail =
    "\r\n      Fix entry for this variable in Brantover.DEF and try again.\r\n";

std::string eof_message(const char* label) {
    return eof_message_head + std::string(view(make_text20(label))) + eof_message_tail;
}

std::string error_message(const char* label) {
    return "      Error exists in Brantover`s default data file (Brantover.DEF).\r\n"
           "      Fix entry for variable " +
           std::string(view(make_text20(label))) + " and try again.\r\n";
}

// The example file with line `line` (1 to 14) replaced.
std::string with_line(int line, const std::string& text) {
    std::istringstream in(example_defaults);
    std::string out, l;
    for (int k = 1; std::getline(in, l); ++k)
        out += (k == line ? text : l.substr(0, l.size() - 1)) + "\n";
    return out;
}

// The first `count` lines of the example file.
std::string first_lines(int count) {
    std::istringstream in(example_defaults);
    std::string out, l;
    for (int k = 0; k < count && std::getline(in, l); ++k) out += l + "\n";
    return out;
}

struct DefaultsTest : work_folder {
    // Runs on the given defaults file with answers that would run a report.
    run_result run_with(const std::string& defaults) {
        write_file(dir / "Brantover.DEF", defaults);
        return play(lines({"", "", "", "", "", "", "", "", "", "", "", "", "", "3"}));
    }
};

TEST_F(DefaultsTest, AFileCutShortNamesTheFirstMissingEntry) {
    const char* labels[] = {
        "1st line.",         "BPF, BSF or Both.", "Chebyshev.",       "Fo.",
        "Bandwidth.",        "Ripple.",           "Skirt Frequency.", "Skirt Attenuation.",
        "# of Sections, N.", "Unloaded Q, Qu.",   "Start Frequency.", "Stop Frequency.",
        "Step Frequency.",   "Storage Filename."};
    for (int kept = 0; kept < 14; ++kept) {
        const run_result r = run_with(first_lines(kept));
        EXPECT_EQ(r.status, 0) << kept;
        EXPECT_EQ(r.out, eof_message(labels[kept])) << kept << " lines kept";
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(DefaultsTest, ARefusedEntryIsNamedAndNothingElseIsPrinted) {
    struct refused {
        int line;
        const char* text;
        const char* label;
    };
    const refused cases[] = {
        {2, "", "BPF, BSF or Both."},     // blank reads as 0
        {2, "3.5", "BPF, BSF or Both."},  // rounds to 4
        {2, "x", "BPF, BSF or Both."},    // not a number
        {3, "5", "Chebyshev."},
        {4, "0", "Fo."},
        {4, "-1000", "Fo."},
        {5, "0", "Bandwidth."},
        {6, "0", "Ripple."},
        {6, "1e-8", "Ripple."},           // no ripple factor in single precision
        {7, "975", "Skirt Frequency."},   // on the band edge
        {7, "1000", "Skirt Frequency."},  // inside the band
        {7, "0", "Skirt Frequency."},
        {9, "1", "# of Sections, N."},
        {10, "0", "Unloaded Q, Qu."},
        {11, "0", "Start Frequency."},
        {12, "899", "Stop Frequency."},  // below the start
        {13, "0", "Step Frequency."},
        {14, "                         ", "Storage Filename."},
        {3, "1 remark", "Chebyshev."},    // a remark inside the 13 columns
        {4, "             1000", "Fo."},  // the number from column 14 is not seen
    };
    for (const refused& c : cases) {
        const run_result r = run_with(with_line(c.line, c.text));
        EXPECT_EQ(r.status, 0) << c.text;
        EXPECT_EQ(r.out, error_message(c.label)) << "line " << c.line << " |" << c.text << '|';
    }
}

TEST_F(DefaultsTest, AcceptedEntriesAndTheirConversions) {
    struct accepted {
        int line;
        const char* text;
        const char* shown;  // a piece of the first report that shows the entry took effect
    };
    const accepted cases[] = {
        {2, "3.4", "Response    = BP & BS "},  // rounds to 3
        {3, "0.5", "Tchebyscheff Response."},  // rounds to 1
        {3, "2, remark after a comma", " Butterworth Response."},
        {9, "25", "cannot exceed N = 20."},  // accepted here, refused when used
        {12, "900", "   900.00"},            // stop equal to start
    };
    for (const accepted& c : cases) {
        const run_result r = run_with(with_line(c.line, c.text));
        EXPECT_EQ(r.status, c.line == 9 ? 2 : 0) << c.text;  // 25 asks again until the input ends
        EXPECT_NE(r.out.find(c.shown), std::string::npos)
            << "line " << c.line << " |" << c.text << '|';
    }
}

TEST_F(DefaultsTest, ABandwidthNotBelowFoBecomesATenthOfItForTheSkirtTest) {
    // 1000 MHz wide at 1000 MHz: the band becomes 950 to 1050, so a skirt
    // frequency of 1060 is outside it and accepted, 1040 is refused.
    const std::string defaults = with_line(5, "1000");
    std::string accepted = defaults;
    const run_result ok = run_with(accepted.replace(accepted.find("1100 "), 4, "1060"));
    EXPECT_EQ(ok.out.find("Error exists"), std::string::npos);
    std::string refused = defaults;
    const run_result bad = run_with(refused.replace(refused.find("1100 "), 4, "1040"));
    EXPECT_EQ(bad.out, error_message("Skirt Frequency."));
    // Used as the bandwidth of a filter: a tenth of the centre frequency.
    EXPECT_NE(ok.out.find("BW   =   100.000 MHz"), std::string::npos);
}

TEST_F(DefaultsTest, ALongStorageNameIsCutToTwentyCharacters) {
    write_file(dir / "Brantover.DEF", with_line(14, "a-name-longer-than-twenty.txt"));
    const run_result r =
        play(lines({"", "", "", "", "", "", "", "", "", "", "", "", "1", "", "3"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("User filename: a-name-longer-than-t\r\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "a-name-longer-than-t"));
}

TEST_F(DefaultsTest, ANegativeOrZeroSkirtAttenuationIsAccepted) {
    for (const char* text : {"-40", "0", ""}) {
        const run_result r = run_with(with_line(8, text));
        EXPECT_EQ(r.out.find("Error exists"), std::string::npos) << text;
        EXPECT_EQ(r.status, 0);
    }
}

TEST_F(DefaultsTest, AMissingOrUnreadableFileIsAFatalEnd) {
    std::filesystem::remove(dir / "Brantover.DEF");
    run_result r = play("");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "brantover: cannot open the defaults file 'Brantover.DEF'\r\n"
              "brantover: No such file or directory\r\n");

    std::filesystem::create_directory(dir / "Brantover.DEF");
    r = play("");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "brantover: cannot read the defaults file 'Brantover.DEF'\r\n"
              "brantover: Is a directory\r\n");
}

TEST_F(DefaultsTest, OnlyTheFirstFourteenLinesAndThirteenColumnsAreRead) {
    std::string defaults = with_line(4, "1000,5 MHz is the centre");
    defaults += "anything at all after the fourteenth line\n";
    const run_result r = run_with(defaults);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Fo   =  1000.000 MHz"), std::string::npos);
}

}  // namespace
}  // namespace brantover::testing
