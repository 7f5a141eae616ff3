// The analysis and output dialogue: frequency range, print format and
// storage. Nothing here is refused: defaults fill in, and an inconsistent
// range is corrected without a word.
#include "run/dialogues.hpp"

namespace brantover {

namespace {

bool ask_range(session& s, const default_data& def, design_data& dd) {
    float v = 0.0f;
    write_layout(s.con, {nl, x(6), text("Enter Frequency range for Filter ANALYSIS:")});

    write_prompt(s.con, {x(10), text("-Analysis Start Frequency, MHz = ")});
    if (!read_answer(s, "Analysis Start Frequency", v)) return false;
    dd.fstart = v > 0.0001f ? v : def.fstartdef;

    write_prompt(s.con, {x(10), text("-Analysis Stop  Frequency, MHz = ")});
    if (!read_answer(s, "Analysis Stop Frequency", v)) return false;
    dd.fmax = v > 0.0001f ? v : def.fmaxdef;

    write_prompt(s.con, {x(10), text("-Analysis Step  Frequency, MHz = ")});
    if (!read_answer(s, "Analysis Step Frequency", v)) return false;
    dd.delf = v > 0.0001f ? v : def.delfdef;

    if (dd.delf >= dd.fstart) dd.delf = float(double(0.1f) * double(dd.fstart));
    if (dd.fstart >= dd.fmax) dd.fmax = float(double(dd.fstart) + double(1.01f) * double(dd.delf));
    return true;
}

bool ask_format(session& s, design_data& dd) {
    // clang-format off
    write_layout(s.con, {nl,
        x(6), text("Select Output Print FORMAT:"), nl,
        x(9), text("*1 = Two-Port response with VSWR."), nl,
        x(10), text("2 = Two-Port response with Return Loss.")});
    write_prompt(s.con, {x(6), text("Print FORMAT selected = ")});
    // clang-format on
    float v = 0.0f;
    if (!read_answer(s, "Print FORMAT selected", v)) return false;
    dd.ivswr = nint(v) == 2 ? 2 : 1;
    return true;
}

bool ask_storage(session& s, const default_data& def, design_data& dd) {
    write_prompt(s.con, {nl, x(6), text("Is Output Data STORAGE desired? (1=Yes) = ")});
    float v = 0.0f;
    if (!read_answer(s, "Is Output Data STORAGE desired?", v)) return false;
    dd.istore = nint(v) == 1 ? 1 : 2;
    if (dd.istore != 1) return true;

    dd.fn = def.fndef;
    // clang-format off
    write_layout(s.con, {
        x(6), text("Enter a FILENAME (up to 20 characters) for Output Data storage: "), nl,
        x(10), text("-Enter: Filename.xls for storage in a spreadsheet"), nl,
        x(10), text("-Enter: Filename.doc for storage in a word processor"), nl,
        x(10), text("-Enter: Filename.txt for storage as a text document")});
    write_prompt(s.con, {x(11), text("Enter your FILENAME for Output Data Storage: ")});
    // clang-format on
    if (!read_answer(s, "Enter your FILENAME for Output Data Storage", dd.fname)) return false;
    if (!all_blank(dd.fname)) dd.fn = dd.fname;
    if (!storage_open(s.storage, s.folder, trimmed(dd.fn), s.defaults_id)) {
        output_failure_end(s);
        return false;
    }
    return true;
}

}  // namespace

bool analysis_dialogue(session& s, const default_data& def, design_data& dd) {
    if (!ask_range(s, def, dd)) return false;
    if (dd.iselect != 3 && !ask_format(s, dd)) return false;
    return ask_storage(s, def, dd);
}

}  // namespace brantover
