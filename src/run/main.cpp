// brantover: analysis of TEM-mode bandpass and bandstop filters.
// Command-line arguments are ignored.
#include <iostream>

#include "run/driver.hpp"

int main() {
    std::ios::sync_with_stdio(false);
    brantover::program_io io{std::cin, std::cout, std::cerr, brantover::local_date_time, {}};
    return brantover::run_program(io);
}
