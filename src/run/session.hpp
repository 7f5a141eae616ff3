// The console, the answers, the files and the fatal end of one run.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>

#include "report/storage.hpp"
#include "report/text_fields.hpp"

namespace brantover {

struct session {
    console con;           // standard output
    line_source answers;   // standard input, one line per answer
    console err;           // standard error: fatal diagnostics only
    storage_file storage;  // the one storage connection
    int folder = -1;       // working folder for file names (a directory descriptor)
    int defaults_fd = -1;  // the defaults file, open for the whole run
    file_id defaults_id;
    bool fatal = false;  // a fatal diagnostic has been written
};

// Ends the run at once: the console keeps what was written, the storage file
// keeps its lines and is closed, and the two-line diagnostic goes to standard
// error. Returns the exit status, 2.
int fatal_end(session& s, std::string_view what, std::string_view reason);
// The same for output that was refused: by the storage file, which holds its
// own diagnostic, or else by the console.
int output_failure_end(session& s);

// Reads the answer to a question (its prompt already written). A line that is
// not a number, or no line at all, is a fatal end; false is returned then.
bool read_answer(session& s, std::string_view question, float& value);
bool read_answer(session& s, std::string_view question, text20& value);

// A menu answer or count: the nearest integer, halves away from zero; beyond
// the 32-bit range the nearest limit, not-a-number 0.
std::int32_t nint(float v);

}  // namespace brantover
