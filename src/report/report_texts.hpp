// The fixed texts of a report head and the fields that follow them: the
// report writer prints them, and readers of stored reports recognise the
// report's lines and find its header values by them.
#pragma once

#include <string_view>

namespace brantover::report_text {

// The date line of every report begins with the program name and version.
inline constexpr std::string_view program = "Brantover (v. 1.2)";

// "Multi-Section Filters Exhibiting a " A12 " Response."
inline constexpr std::string_view exhibiting = "Multi-Section Filters Exhibiting a ";
inline constexpr int response_width = 12;

// A header value: its label and the field printed right after it.
struct labelled_field {
    std::string_view label;
    int w, d;  // Fw.d, Iw (d = 0) or Aw (d = 0)
};

// Left half of the four filter lines (Fw.d, MHz).
inline constexpr labelled_field flow{"Flow = ", 9, 3};
inline constexpr labelled_field f0{"Fo   = ", 9, 3};
inline constexpr labelled_field fhigh{"Fhigh= ", 9, 3};
inline constexpr labelled_field bw{"BW   = ", 9, 3};
// Right half: design word (A8), number of poles (I2), ripple (F5.3, dB),
// unloaded Q (F7.0).
inline constexpr labelled_field design{"Response    = ", 8, 0};
inline constexpr labelled_field poles{"# of Poles  = ", 2, 0};
inline constexpr labelled_field ripple{"Ripple (Am) = ", 5, 3};
inline constexpr labelled_field qu{"Unloaded Q  = ", 7, 0};

// Title of a one-filter table, after the response name.
inline constexpr std::string_view bandpass_title = " Bandpass Filter Response";
inline constexpr std::string_view bandstop_title = " Bandstop Filter Response";

// Column headings: the line naming the columns, for a one-filter table with
// VSWR or return loss, and the line above the both-filters columns.
inline constexpr std::string_view vswr_columns =
    "Frequency Wavelength   Loss  Time Delay  Phase    VSWR    F/Fo";
inline constexpr std::string_view return_loss_columns =
    "Frequency Wavelength   Loss  Time Delay  Phase    Loss    F/Fo";
inline constexpr std::string_view bandpass_response = "Bandpass Response";
inline constexpr std::string_view bandstop_response = "Bandstop Response";

// The rule above the header, below the headings and after the last row.
inline constexpr int rule_indent = 6;
inline constexpr int rule_length = 72;

// "Output data stored in User filename: " A20, the last line of a stored report.
inline constexpr std::string_view stored_in = "Output data stored in User filename: ";

}  // namespace brantover::report_text
