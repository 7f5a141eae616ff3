// The table of a stored report as comma-separated values, for spreadsheets.
#pragma once

#include <string>

#include "plot/stored_report.hpp"

namespace brantover::plot {

// A header row of column names with their units, then one line per table
// row. Numbers are written as the report prints them; a field the report
// shows as asterisks (its value is unknown) is an empty cell, infinities and
// not-a-number are written Inf, -Inf and NaN. Lines end with LF.
std::string report_csv(const stored_report& report);

}  // namespace brantover::plot
