// Running gnuplot: the commands go to its standard input, the picture comes
// back from its standard output.
#pragma once

#include <string>
#include <string_view>

namespace brantover::plot {

// The full name of an executable `program` in the folders of a PATH value
// (separated by ':'; an empty entry is the current folder). Empty when none.
std::string find_on_path(std::string_view program, std::string_view path);

struct gnuplot_run {
    bool ok = false;       // gnuplot ran and exited with status 0
    std::string picture;   // its standard output
    std::string messages;  // its standard error
    std::string failure;   // why it did not succeed, for the user
};

// Runs `gnuplot` (a full name) on the script, without any init files.
gnuplot_run run_gnuplot(const std::string& gnuplot, std::string_view script);

}  // namespace brantover::plot
