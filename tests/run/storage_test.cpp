// The storage file across passes, with real files in a folder of the test.
#include <sys/stat.h>

#include "program_fixture.hpp"

namespace brantover::testing {
namespace {

// The filter questions on their defaults.
const std::string filter = lines({"", "", "", "", "", "", "", ""});

// The analysis questions of one pass: a short range, then storage under
// `name`, or no storage when name is null.
std::string pass(const char* start, const char* name) {
    std::string s = lines({start, "", "50", ""});
    s += name == nullptr ? lines({"2"}) : lines({"1", name});
    return s;
}

std::size_t count(const std::string& s, const std::string& piece) {
    std::size_t n = 0;
    for (auto at = s.find(piece); at != std::string::npos; at = s.find(piece, at + 1)) ++n;
    return n;
}

// Each pass starts at its own frequency, so its rows can be told apart.
const std::string row_of_900 = "            900.00    13.1143";
const std::string row_of_910 = "            910.00    12.9702";

using StorageTest = work_folder;

TEST_F(StorageTest, ANewFileIsMadeForItsOwnerOnly) {
    const run_result r = play(filter + pass("900", "new.txt") + "3\n");
    ASSERT_EQ(r.status, 0);
    struct stat st {};
    ASSERT_EQ(stat((dir / "new.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const std::string stored = file("new.txt");
    EXPECT_TRUE(stored.starts_with("\r\n      -----"));
    EXPECT_TRUE(stored.ends_with("Output data stored in User filename: new.txt             \r\n"));
    // The stored report is the console's, from its header on.
    const std::size_t head = r.out.find("\r\n      -----");
    const std::size_t end = r.out.find("\r\n\r\n      Filter ANALYSIS completed");
    EXPECT_EQ(stored, r.out.substr(head, end + 2 - head));
}

TEST_F(StorageTest, LongerOldContentIsReplaced) {
    write_file(dir / "old.txt", std::string(100000, '~') + "\r\n");
    ASSERT_EQ(play(filter + pass("900", "old.txt") + "3\n").status, 0);
    const std::string stored = file("old.txt");
    EXPECT_EQ(stored.find('~'), std::string::npos);
    EXPECT_TRUE(stored.ends_with("old.txt             \r\n"));
}

TEST_F(StorageTest, TheSameNameAgainAppendsHoweverItIsWritten) {
    // A re-run, then a new filter, each storing to the same file.
    const run_result r = play(filter + pass("900", "same.txt") + "1\n" + pass("910", "./same.txt") +
                              "2\n" + filter + pass("920", "same.txt") + "3\n");
    ASSERT_EQ(r.status, 0);
    const std::string stored = file("same.txt");
    EXPECT_EQ(count(stored, "Brantover (v. 1.2)"), 3u);
    EXPECT_EQ(count(stored, row_of_900), 1u);
    EXPECT_EQ(count(stored, row_of_910), 1u);
    // The second report starts with its empty line right after the first
    // report's storage line.
    EXPECT_NE(stored.find("filename: same.txt            \r\n\r\n      -----"), std::string::npos);
    EXPECT_NE(stored.find("filename: ./same.txt          \r\n\r\n      -----"), std::string::npos);
}

TEST_F(StorageTest, AnotherNameClosesTheFileAndNamingItAgainEmptiesIt) {
    ASSERT_EQ(play(filter + pass("900", "A") + "1\n" + pass("910", "B") + "1\n" + pass("920", "A") +
                   "3\n")
                  .status,
              0);
    const std::string a = file("A"), b = file("B");
    EXPECT_EQ(count(a, "Brantover (v. 1.2)"), 1u);
    EXPECT_NE(a.find("            920.00"), std::string::npos);
    EXPECT_EQ(count(b, "Brantover (v. 1.2)"), 1u);
    EXPECT_NE(b.find(row_of_910), std::string::npos);
}

TEST_F(StorageTest, APassWithoutStorageLeavesTheConnectionAsItIs) {
    ASSERT_EQ(play(filter + pass("900", "A") + "1\n" + pass("910", nullptr) + "1\n" +
                   pass("920", "A") + "1\n" + pass("910", nullptr) + "3\n")
                  .status,
              0);
    const std::string a = file("A");
    EXPECT_EQ(count(a, "Brantover (v. 1.2)"), 2u);
    EXPECT_EQ(count(a, row_of_910), 0u);
    EXPECT_TRUE(a.ends_with("User filename: A                   \r\n"));
}

TEST_F(StorageTest, ANameKeepsItsLeadingBlanksButNotItsTrailingOnes) {
    ASSERT_EQ(play(filter + pass("900", " lead.txt   ") + "3\n").status, 0);
    EXPECT_TRUE(std::filesystem::exists(dir / " lead.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "lead.txt"));
}

TEST_F(StorageTest, NamesThatCannotBeOpenedEndTheRunBeforeTheReport) {
    std::filesystem::create_directory(dir / "folder");
    struct refused {
        const char* name;
        const char* reason;
    };
    for (const refused& c : {refused{"folder", "'folder' is a directory"},
                             {"nowhere/x.txt", "File 'nowhere/x.txt' does not exist"},
                             {"Brantover.DEF", "File already opened in another unit"},
                             {"./Brantover.DEF", "File already opened in another unit"}}) {
        const run_result r = play(filter + pass("900", c.name) + "3\n");
        EXPECT_EQ(r.status, 2) << c.name;
        EXPECT_EQ(r.err, std::string("brantover: cannot open storage file '") + c.name +
                             "'\r\nbrantover: " + c.reason + "\r\n");
        EXPECT_EQ(r.out.find("Brantover (v. 1.2)"), std::string::npos) << c.name;
        EXPECT_TRUE(r.out.ends_with("Output Data Storage: ")) << c.name;
    }
    EXPECT_EQ(file("Brantover.DEF"), example_defaults);
}

TEST_F(StorageTest, ANameTheFileSystemCannotTakeIsRefused) {
    // A NUL character cannot be part of a file name.
    const std::string name("bad\0name", 8);
    const std::string answers = filter + lines({"900", "", "50", "", "1"}) + name + "\n3\n";
    const run_result nul = play(answers);
    EXPECT_EQ(nul.status, 2);
    EXPECT_EQ(nul.err, "brantover: cannot open storage file '" + name +
                           "'\r\nbrantover: Invalid argument\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "bad"));  // not cut short at the NUL either
}

TEST_F(StorageTest, TheDefaultsFileAsSecondNameClosesTheFirstFileWithItsReport) {
    const run_result r = play(filter + pass("900", "A") + "1\n" + pass("910", "Brantover.DEF"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(count(file("A"), "Brantover (v. 1.2)"), 1u);
    EXPECT_EQ(file("Brantover.DEF"), example_defaults);
}

TEST_F(StorageTest, AWriteTheFileSystemRefusesEndsTheRun) {
    const run_result r = play(filter + pass("900", "/dev/full") + "3\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "brantover: cannot write to storage file '/dev/full'\r\n"
              "brantover: No space left on device\r\n");
    // The header reached the console before the file refused it; nothing
    // followed the diagnostic.
    EXPECT_TRUE(r.out.ends_with("Unloaded Q  =   1000.\r\n"));
}

TEST_F(StorageTest, TheFileIsEndedWhetherOrNotTheLastPassStored) {
    write_file(dir / "A", std::string(50000, '~'));
    ASSERT_EQ(play(filter + pass("900", "A") + "1\n" + pass("910", nullptr) + "3\n").status, 0);
    const std::string a = file("A");
    EXPECT_EQ(a.find('~'), std::string::npos);
    EXPECT_TRUE(a.ends_with("User filename: A                   \r\n"));
}

}  // namespace
}  // namespace brantover::testing
