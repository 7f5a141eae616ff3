// A report read back from a storage file: its header values and its table,
// each value as printed and as a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brantover::plot {

enum class shown_as : std::uint8_t {
    number,        // digits, e.g. "-0.17"
    overflow,      // a row of asterisks: too wide for its field, value unknown
    infinite,      // "Inf", "-Inf", "Infinity", "-Infinity"
    not_a_number,  // "NaN"
};

struct report_value {
    shown_as shown = shown_as::number;
    double value = 0.0;  // the number, +-infinity or NaN; 0 for an overflow field
    std::string text;    // the field without its leading blanks
};

// True when the value can be drawn: a finite number.
inline bool drawable(const report_value& v) { return v.shown == shown_as::number; }

enum class report_design : std::uint8_t { bandpass, bandstop, both };

// What the sixth column of a one-filter table holds.
enum class match_column : std::uint8_t { vswr, return_loss };

// Column positions in a row of the table.
namespace col {
inline constexpr std::size_t frequency = 0, wavelength = 1;
// One-filter table.
inline constexpr std::size_t loss = 2, delay = 3, phase = 4, match = 5, f_over_fo = 6;
// Both-filters table.
inline constexpr std::size_t bp_loss = 2, bp_delay = 3, bp_phase = 4;
inline constexpr std::size_t bs_loss = 5, bs_delay = 6, bs_phase = 7;
}  // namespace col

struct stored_report {
    long first_line = 0;   // line of the date line in the file, counted from 1
    std::string response;  // "Tchebyscheff", "Butterworth", "Bessel", "Linear Phase"
    std::string design;    // design word as printed: "Bandpass", "Bandstop", "BP & BS"
    report_value flow, f0, fhigh, bw, ripple, qu;
    std::string poles;  // number of poles as printed
    report_design table = report_design::bandpass;
    match_column match = match_column::vswr;      // one-filter tables only
    std::vector<std::vector<report_value>> rows;  // 7 values (one filter) or 8 (both)
};

struct read_error {
    long line = 0;  // line the fault was found on, counted from 1; 0 for the whole file
    std::string message;
};

// Reads every report of a storage file (lines ended by CR LF or LF). On a
// fault returns false and says where; `reports` is then incomplete.
bool read_reports(std::string_view file_text, std::vector<stored_report>& reports,
                  read_error& error);

// Reads a right-aligned Fw.d field as printed by the report. Empty when the
// text is no such field.
std::optional<report_value> read_fixed_field(std::string_view field, int w, int d);

}  // namespace brantover::plot
