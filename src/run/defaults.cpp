#include "run/defaults.hpp"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "filtermath/prototype_poles.hpp"

namespace brantover {

namespace {

// The entries are read in file order under their labels; the first entry
// that is missing or wrong ends the reading with its message.
struct entry_reader {
    session& s;
    line_source file;
    text20 var{};  // label of the entry being read
    defaults_result result = defaults_result::ok;
};

bool stop(entry_reader& r, defaults_result result) {
    r.result = result;
    return false;
}

bool end_of_file_message(entry_reader& r) {
    // clang-format off
    write_layout(r.s.con, {
        x(6), text("`End of file` in Brantover`s default data file (Brantover.DEF)."), nl,
        x(6), text("Entry missing for variable "), a(20, r.var), nl,
        x(6), text("Fix entry for this variable in Brantover.DEF and try again.")});
    // clang-format on
    return stop(r, defaults_result::message);
}

bool error_message(entry_reader& r) {
    // clang-format off
    write_layout(r.s.con, {
        x(6), text("Error exists in Brantover`s default data file (Brantover.DEF)."), nl,
        x(6), text("Fix entry for variable "), a(20, r.var), text(" and try again.")});
    // clang-format on
    return stop(r, defaults_result::message);
}

bool unreadable(entry_reader& r) {
    fatal_end(r.s, std::string("cannot read the defaults file '") + defaults_file_name + "'",
              std::strerror(r.file.error));
    return stop(r, defaults_result::fatal);
}

bool read_failed(entry_reader& r, read_status status) {
    switch (status) {
        case read_status::end_of_input: return end_of_file_message(r);
        case read_status::read_error: return unreadable(r);
        default: return error_message(r);
    }
}

bool next_number(entry_reader& r, const char* label, float& value) {
    r.var = make_text20(label);
    const number_read got = read_number_field(r.file);
    if (got.status != read_status::ok) return read_failed(r, got.status);
    value = got.value;
    return true;
}

bool next_text(entry_reader& r, const char* label, text20& value) {
    r.var = make_text20(label);
    const text_read got = read_text_field(r.file);
    if (got.status != read_status::ok) return read_failed(r, got.status);
    value = got.value;
    return true;
}

bool next_count(entry_reader& r, const char* label, std::int32_t& value) {
    float v = 0.0f;
    if (!next_number(r, label, v)) return false;
    value = nint(v);
    return true;
}

bool check(entry_reader& r, bool accepted) { return accepted || error_message(r); }

bool read_entries(entry_reader& r, default_data& def, design_data& dd) {
    text20 header{};
    if (!next_text(r, "1st line.", header)) return false;

    if (!next_count(r, "BPF, BSF or Both.", def.iselectdef) ||
        !check(r, def.iselectdef >= 1 && def.iselectdef <= 3))
        return false;
    if (!next_count(r, "Chebyshev.", def.iopdef) || !check(r, def.iopdef >= 1 && def.iopdef <= 4))
        return false;
    if (!next_number(r, "Fo.", def.f0def) || !check(r, def.f0def > 0.0f)) return false;

    if (!next_number(r, "Bandwidth.", def.bwdef) || !check(r, def.bwdef > 0.0f)) return false;
    if (def.bwdef >= def.f0def) def.bwdef = float(double(0.1f) * double(def.f0def));
    dd.flow = float(double(def.f0def) - double(0.5f) * double(def.bwdef));
    dd.fhigh = float(double(def.f0def) + double(0.5f) * double(def.bwdef));

    // A ripple too small to move 10^(ripple/10) off 1 in single precision
    // leaves no ripple factor, and every Chebyshev pole would be infinite.
    if (!next_number(r, "Ripple.", def.rippledef) ||
        !check(r, def.rippledef > 0.0f && chebyshev_eps(def.rippledef) > 0.0f))
        return false;

    if (!next_number(r, "Skirt Frequency.", def.f1def) ||
        !check(r, def.f1def > 0.0f && (def.f1def < dd.flow || def.f1def > dd.fhigh)))
        return false;

    if (!next_number(r, "Skirt Attenuation.", def.a1def)) return false;
    def.a1def = std::fabs(def.a1def);

    if (!next_count(r, "# of Sections, N.", def.ndef) || !check(r, def.ndef >= 2)) return false;
    if (!next_number(r, "Unloaded Q, Qu.", def.qudef) || !check(r, def.qudef > 0.0f)) return false;
    if (!next_number(r, "Start Frequency.", def.fstartdef) || !check(r, def.fstartdef > 0.0f))
        return false;
    if (!next_number(r, "Stop Frequency.", def.fmaxdef) ||
        !check(r, def.fmaxdef > 0.0f && def.fmaxdef >= def.fstartdef))
        return false;
    if (!next_number(r, "Step Frequency.", def.delfdef) || !check(r, def.delfdef > 0.0f))
        return false;
    return next_text(r, "Storage Filename.", def.fndef) && check(r, !all_blank(def.fndef));
}

}  // namespace

bool open_defaults(session& s) {
    // Not blocking on a pipe of that name that nobody writes to.
    s.defaults_fd = ::openat(s.folder, defaults_file_name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (s.defaults_fd < 0) {
        fatal_end(s, std::string("cannot open the defaults file '") + defaults_file_name + "'",
                  std::strerror(errno));
        return false;
    }
    ::fcntl(s.defaults_fd, F_SETFL, ::fcntl(s.defaults_fd, F_GETFL) & ~O_NONBLOCK);
    s.defaults_id = identify(s.defaults_fd);
    return true;
}

defaults_result read_defaults(session& s, default_data& def, design_data& dd) {
    entry_reader r{s, file_source(s.defaults_fd)};
    read_entries(r, def, dd);
    return r.result;
}

}  // namespace brantover
