// brantover-plot: pictures and CSV of the reports in a Brantover storage file.
#include <cstdlib>
#include <iostream>

#include "plot/plot_tool.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Without a PATH, the folders a shell would search.
    const char* path = std::getenv("PATH");
    return brantover::plot::run_plot_tool(args, std::cout, std::cerr,
                                          path ? path : "/usr/bin:/bin");
}
