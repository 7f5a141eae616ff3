// Playing whole sessions of the program in-process, in a folder of their own.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "run/driver.hpp"
#include "support/files.hpp"

namespace brantover::testing {

inline const char* example_defaults =
    "Example defaults\r\n"
    "1            design\r\n"
    "1            response\r\n"
    "1000         Fo\r\n"
    "50           BW\r\n"
    "0.05         ripple\r\n"
    "1100         skirt frequency\r\n"
    "40           skirt attenuation\r\n"
    "5            N\r\n"
    "1000         Qu\r\n"
    "900          start\r\n"
    "1100         stop\r\n"
    "5            step\r\n"
    "filter.txt\r\n";

// The date and time every session of these tests sees: 9 December 2014, 14:03:07.
inline date_time test_clock() { return {2014, 12, 9, 14, 3, 7}; }

struct run_result {
    int status = -1;
    std::string out, err;
};

// A fresh working folder holding a defaults file, removed afterwards.
struct work_folder : ::testing::Test {
    std::filesystem::path dir;

    void SetUp() override {
        std::string templ = (std::filesystem::temp_directory_path() / "brantover-XXXXXX").string();
        ASSERT_NE(mkdtemp(templ.data()), nullptr);
        dir = templ;
        write_file(dir / "Brantover.DEF", example_defaults);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(dir, ec);
    }

    run_result play(const std::string& answers) {
        std::istringstream in(answers);
        std::ostringstream out, err;
        program_io io{in, out, err, test_clock, dir.string()};
        run_result r;
        r.status = run_program(io);
        r.out = out.str();
        r.err = err.str();
        return r;
    }

    std::string file(const std::string& name) { return read_file(dir / name); }
};

// Answers, one per line.
inline std::string lines(std::initializer_list<const char*> answers) {
    std::string s;
    for (const char* a : answers) s += std::string(a) + "\n";
    return s;
}

}  // namespace brantover::testing
