// The two question sequences: the filter (once per filter pass) and the
// analysis range and output (once per analysis pass).
#pragma once

#include "run/design_data.hpp"
#include "run/session.hpp"

namespace brantover {

// Fills the filter fields of dd. False after a fatal end.
bool design_dialogue(session& s, const default_data& def, design_data& dd);

// Fills the analysis fields of dd and, when the report is to be stored,
// connects the storage file. False after a fatal end.
bool analysis_dialogue(session& s, const default_data& def, design_data& dd);

}  // namespace brantover
