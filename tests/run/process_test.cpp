// The built program as a process: exit statuses, standard error and real
// files, also as an unprivileged user where permissions must count.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "program_fixture.hpp"

extern char** environ;

namespace brantover::testing {
namespace {

struct process_result {
    int status = -1;
    std::string out, err;
};

struct ProcessTest : work_folder {
    // Runs the program in the work folder with `input` as standard input;
    // `unprivileged` drops root, for whom no file is read-only.
    process_result run(const std::string& input, bool unprivileged = false,
                       const char* stdout_path = nullptr) {
        const char* exe = BRANTOVER_EXE;
        write_file(dir / ".stdin", input);
        std::vector<std::string> args;
        if (unprivileged && geteuid() == 0)
            args = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        args.insert(args.end(), {exe, "arguments", "--are-ignored"});
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);

        const std::string in = (dir / ".stdin").string(), out = (dir / ".stdout").string(),
                          err = (dir / ".stderr").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, stdout_path ? stdout_path : out.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0666);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0666);
        // The program takes its working folder from where it is started.
        const std::filesystem::path before = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        pid_t pid = 0;
        const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
        std::filesystem::current_path(before);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0) << argv[0];
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        process_result r;
        r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
        r.out = stdout_path ? "" : file(".stdout");
        r.err = file(".stderr");
        return r;
    }

    // Lets the unprivileged user into the folder.
    void open_to_all() { chmod(dir.c_str(), 0777); }
};

const std::string defaults_run = lines({"", "", "", "", "", "", "", "", "", "", "", "", ""});

TEST_F(ProcessTest, ANormalEndIsStatusZero) {
    const process_result r = run(defaults_run + "3\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(r.out.starts_with("\r\n\r\n\r\n                RF/Microwave"));
    EXPECT_TRUE(r.out.ends_with("OPERATION selected = "));
}

TEST_F(ProcessTest, ABadAnswerOrTheEndOfInputIsStatusTwo) {
    struct fatal_case {
        std::string input;
        const char* err;
    };
    const fatal_case cases[] = {
        {"1\n1\n12.5abc\n",
         "brantover: cannot read the answer to \"Desired Passband Ripple Level\" (standard "
         "input, line 3)\r\nbrantover: Bad value during floating point read\r\n"},
        {"1\n1\n",
         "brantover: cannot read the answer to \"Desired Passband Ripple Level\" "
         "(standard input, line 3)\r\nbrantover: End of file\r\n"},
        {lines({"", "", "", "", "", "", "", "", "", "", "", "", "1"}),
         "brantover: cannot read the answer to \"Enter your FILENAME for Output Data Storage\" "
         "(standard input, line 14)\r\nbrantover: End of file\r\n"},
        {defaults_run,
         "brantover: cannot read the answer to \"OPERATION selected\" (standard "
         "input, line 14)\r\nbrantover: End of file\r\n"},
    };
    for (const fatal_case& c : cases) {
        const process_result r = run(c.input);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST_F(ProcessTest, AMissingOrUnreadableDefaultsFileIsStatusTwoWithNothingOnTheConsole) {
    std::filesystem::remove(dir / "Brantover.DEF");
    process_result r = run("");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "brantover: cannot open the defaults file 'Brantover.DEF'\r\n"
              "brantover: No such file or directory\r\n");

    write_file(dir / "Brantover.DEF", example_defaults);
    chmod((dir / "Brantover.DEF").c_str(), 0);
    open_to_all();
    r = run("", true);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "brantover: cannot open the defaults file 'Brantover.DEF'\r\n"
              "brantover: Permission denied\r\n");
}

TEST_F(ProcessTest, AReadOnlyStorageFileFailsAtItsFirstWriteAndStaysUnchanged) {
    open_to_all();
    chmod((dir / "Brantover.DEF").c_str(), 0644);
    write_file(dir / "ro.txt", "old content\r\n");
    chmod((dir / "ro.txt").c_str(), 0444);
    const process_result r =
        run(lines({"", "", "", "", "", "", "", "", "", "", "", "", "1", "ro.txt", "3"}), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "brantover: cannot write to storage file 'ro.txt'\r\n"
              "brantover: Cannot write to file opened for READ\r\n");
    EXPECT_TRUE(r.out.ends_with("Unloaded Q  =   1000.\r\n"));  // the header, then the end
    EXPECT_EQ(file("ro.txt"), "old content\r\n");
}

TEST_F(ProcessTest, ANewStorageFileInAReadOnlyFolderIsRefusedAtOpen) {
    chmod((dir / "Brantover.DEF").c_str(), 0644);
    chmod(dir.c_str(), 0555);
    const process_result r =
        run(lines({"", "", "", "", "", "", "", "", "", "", "", "", "1", "new.txt", "3"}), true);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "brantover: cannot open storage file 'new.txt'\r\n"
              "brantover: Permission denied trying to open file 'new.txt'\r\n");
    EXPECT_TRUE(r.out.ends_with("Output Data Storage: "));
    EXPECT_FALSE(std::filesystem::exists(dir / "new.txt"));
}

TEST_F(ProcessTest, StorageNamesThatCannotBeOpenedOrWritten) {
    std::filesystem::create_directory(dir / "folder");
    const std::string nul_name("nul\0name", 8);  // no file name can hold a NUL
    struct refused {
        std::string name, err;
    };
    const refused cases[] = {
        {"folder",
         "brantover: cannot open storage file 'folder'\r\n"
         "brantover: 'folder' is a directory\r\n"},
        {"no/such.txt",
         "brantover: cannot open storage file 'no/such.txt'\r\n"
         "brantover: File 'no/such.txt' does not exist\r\n"},
        {nul_name, "brantover: cannot open storage file '" + nul_name +
                       "'\r\nbrantover: Invalid argument\r\n"},
        {"Brantover.DEF",
         "brantover: cannot open storage file 'Brantover.DEF'\r\n"
         "brantover: File already opened in another unit\r\n"},
        {"/dev/full",
         "brantover: cannot write to storage file '/dev/full'\r\n"
         "brantover: No space left on device\r\n"},
    };
    for (const refused& c : cases) {
        const process_result r =
            run(lines({"", "", "", "", "", "", "", "", "", "", "", "", "1"}) + c.name + "\n3\n");
        EXPECT_EQ(r.status, 2) << c.name;
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(file("Brantover.DEF"), example_defaults);
}

TEST_F(ProcessTest, ADefaultsFileThatIsAFolderEmptyOrCutShort) {
    std::filesystem::remove(dir / "Brantover.DEF");
    std::filesystem::create_directory(dir / "Brantover.DEF");
    process_result r = run("");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "brantover: cannot read the defaults file 'Brantover.DEF'\r\n"
              "brantover: Is a directory\r\n");
    std::filesystem::remove(dir / "Brantover.DEF");

    for (const char* content : {"", "header only\n", "header\n1\n1\n1000\n50\n"}) {
        write_file(dir / "Brantover.DEF", content);
        r = run("");
        EXPECT_EQ(r.status, 0) << content;
        EXPECT_TRUE(r.out.starts_with("      `End of file` in Brantover`s default data file"))
            << content;
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(ProcessTest, AConsoleThatRefusesItsOutputIsNotANormalEnd) {
    const process_result r = run(defaults_run + "3\n", false, "/dev/full");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "brantover: cannot write to standard output\r\n"
              "brantover: No space left on device\r\n");
}

}  // namespace
}  // namespace brantover::testing
