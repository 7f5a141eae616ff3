// The CSV of a report's table, byte for byte.
#include <gtest/gtest.h>

#include "plot/plot_fixture.hpp"
#include "plot/report_csv.hpp"
#include "plot/small_reports.hpp"

namespace brantover::plot::testing {
namespace {

TEST(ReportCsv, OneFilterTable) {
    // Numbers as printed, -0.00 kept; an asterisk field is an empty cell.
    EXPECT_EQ(report_csv(only_report(small_bandpass)),
              "Frequency (MHz),Wavelength (Inches),Loss (dB),Time Delay (nsec),Phase (deg),"
              "VSWR,F/Fo\n"
              "995.00,11.8622,-0.17,20.9000,35.50,1.250,0.9950\n"
              "1000.00,11.8029,-Inf,21.0000,-0.00,1.000,1.0000\n"
              "1005.00,11.7441,-0.21,NaN,,999.000,1.0050\n"
              ",0.0118,-0.50,Inf,-100.00,2.500,\n");
}

TEST(ReportCsv, ReturnLossColumn) {
    std::string text = small_bandpass;
    const std::string vswr_heading = "Phase    VSWR    F/Fo";
    text.replace(text.find(vswr_heading), vswr_heading.size(), "Phase    Loss    F/Fo");
    const std::string csv = report_csv(only_report(text));
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "Frequency (MHz),Wavelength (Inches),Loss (dB),Time Delay (nsec),Phase (deg),"
              "Return Loss (dB),F/Fo");
}

TEST(ReportCsv, BothFiltersTable) {
    EXPECT_EQ(report_csv(only_report(small_both)),
              "Frequency (MHz),Wavelength (Inches),Bandpass Loss (dB),Bandpass Time Delay (nsec),"
              "Bandpass Phase (deg),Bandstop Loss (dB),Bandstop Time Delay (nsec),"
              "Bandstop Phase (deg)\n"
              "995.000,11.8622,-0.17,20.9000,35.50,-20.12,1.5000,-45.25\n"
              "1000.000,11.8029,-Inf,21.0000,,-72.96,13.2345,450.00\n");
}

}  // namespace
}  // namespace brantover::plot::testing
