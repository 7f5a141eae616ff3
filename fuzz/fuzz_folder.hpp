// A working folder of the fuzzing process's own, made once.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

inline const std::string& fuzz_folder() {
    static const std::string folder = [] {
        std::string templ =
            (std::filesystem::temp_directory_path() / "brantover-fuzz-XXXXXX").string();
        if (mkdtemp(templ.data()) == nullptr) std::abort();
        return templ;
    }();
    return folder;
}
