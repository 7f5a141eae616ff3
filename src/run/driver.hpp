// The program from start to exit, against any console streams, clock and
// working folder.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "run/design_data.hpp"

namespace brantover {

struct program_io {
    std::istream& in;                  // the answers
    std::ostream& out;                 // the console
    std::ostream& err;                 // fatal diagnostics
    std::function<date_time()> clock;  // local date and time
    std::string folder;                // working folder; empty for the current directory
};

// Runs the program; returns its exit status: 0 at a normal end or after a
// defaults-file message, 2 after a fatal input or output error.
int run_program(program_io& io);

// The local clock of the machine.
date_time local_date_time();

}  // namespace brantover
