// brantover-plot: a stored report as a picture drawn by gnuplot, or its
// table as CSV.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "plot/plot_script.hpp"

namespace brantover::plot {

struct tool_options {
    bool help = false;
    bool csv = false;
    std::string report_file;
    std::string output;  // picture file; derived from report_file when not given
    picture_format format = picture_format::svg;
    long report = 0;  // 1 for the first report of the file; 0 for the last
};

// Reads the command-line arguments (without the program name). On a fault
// returns false with a one-line description.
bool parse_options(const std::vector<std::string>& args, tool_options& options, std::string& error);

// Runs the tool; `path` is the PATH value in which gnuplot is looked for.
// Returns the exit status: 0 done, 2 after a one-line message on `err`, with
// nothing written to `out` or to a picture file.
int run_plot_tool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  const std::string& path);

extern const char* const usage;

}  // namespace brantover::plot
