// The gnuplot commands that draw a stored report: one panel per quantity,
// stacked over a shared frequency axis, with the table inline as a data block.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plot/stored_report.hpp"

namespace brantover::plot {

enum class picture_format : std::uint8_t { svg, png };

struct curve {
    std::size_t column;  // column of the report's table
    std::string name;    // in the note on left-out points
    std::string legend;  // key entry; empty when the panel has one curve
    bool bandstop;       // drawn in the bandstop colour
};

struct panel {
    std::string title;
    std::string ylabel;
    bool log_y = false;
    std::vector<curve> curves;
};

// Loss, VSWR or return loss, time delay and phase of a one-filter report;
// loss, time delay and phase of both filters for a report of both designs.
std::vector<panel> report_panels(const stored_report& report);

// The title: response, design, Fo, BW, number of poles and unloaded Q.
std::string picture_title(const stored_report& report);

// Points of all curves that cannot be drawn (the report shows asterisks,
// an infinity or NaN, or the row's frequency is unknown).
int points_left_out(const stored_report& report);

// The whole gnuplot session; the picture goes to gnuplot's standard output.
// The report must have at least one row with a known frequency.
std::string plot_script(const stored_report& report, picture_format format);

}  // namespace brantover::plot
