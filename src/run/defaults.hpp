// The defaults file Brantover.DEF: the fallback of every question.
#pragma once

#include "run/design_data.hpp"
#include "run/session.hpp"

namespace brantover {

inline constexpr const char* defaults_file_name = "Brantover.DEF";

enum class defaults_result { ok, message, fatal };

// Opens Brantover.DEF in the working folder and keeps it open for the run.
// A missing or unreadable file is a fatal end.
bool open_defaults(session& s);

// Reads and checks the fourteen entries. The first missing or wrong entry is
// named in a message on the console (result: message). Also forms the
// default band in flow and fhigh, which the skirt frequency must lie outside.
defaults_result read_defaults(session& s, default_data& def, design_data& dd);

}  // namespace brantover
