// Whole files read and written in binary, for tests that compare bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace brantover::testing {

inline std::string read_file(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void write_file(const std::filesystem::path& p, const std::string& content) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << content;
}

}  // namespace brantover::testing
