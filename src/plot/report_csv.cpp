// CSV of a report's table.
#include "plot/report_csv.hpp"

namespace brantover::plot {

namespace {

std::string header_row(const stored_report& r) {
    if (r.table == report_design::both)
        return "Frequency (MHz),Wavelength (Inches),"
               "Bandpass Loss (dB),Bandpass Time Delay (nsec),Bandpass Phase (deg),"
               "Bandstop Loss (dB),Bandstop Time Delay (nsec),Bandstop Phase (deg)";
    return std::string(
               "Frequency (MHz),Wavelength (Inches),Loss (dB),Time Delay (nsec),"
               "Phase (deg),") +
           (r.match == match_column::vswr ? "VSWR" : "Return Loss (dB)") + ",F/Fo";
}

std::string cell(const report_value& v) {
    switch (v.shown) {
        case shown_as::number: return v.text;
        case shown_as::overflow: return {};
        case shown_as::infinite: return v.value < 0 ? "-Inf" : "Inf";
        case shown_as::not_a_number: return "NaN";
    }
    return {};
}

}  // namespace

std::string report_csv(const stored_report& report) {
    std::string csv = header_row(report) + "\n";
    for (const auto& row : report.rows) {
        for (std::size_t k = 0; k < row.size(); ++k) {
            if (k > 0) csv += ',';
            csv += cell(row[k]);
        }
        csv += '\n';
    }
    return csv;
}

}  // namespace brantover::plot
