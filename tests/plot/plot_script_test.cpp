// What the gnuplot session is given: the inline table with its gaps, and
// each panel drawing the quantity it is titled with.
#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "plot/plot_fixture.hpp"
#include "plot/plot_script.hpp"
#include "plot/small_reports.hpp"

namespace brantover::plot::testing {
namespace {

std::string data_block(const std::string& script) {
    const std::size_t start = script.find("$report << EOD\n");
    const std::size_t end = script.find("EOD\n", start + 15);
    return start == std::string::npos || end == std::string::npos
               ? std::string()
               : script.substr(start + 15, end - start - 15);
}

// For each panel title, the values its curves draw in the first table row.
std::map<std::string, std::vector<std::string>> first_row_by_panel(const std::string& script) {
    std::vector<std::string> first_row;
    std::istringstream data(data_block(script));
    std::string line;
    std::getline(data, line);
    std::istringstream fields(line);
    for (std::string f; fields >> f;) first_row.push_back(f);

    std::map<std::string, std::vector<std::string>> drawn;
    std::string title;
    std::istringstream in(script);
    const std::regex title_line("^set title \"(.*)\"$"), using_column("using 1:([0-9]+)");
    while (std::getline(in, line)) {
        std::smatch m;
        if (std::regex_match(line, m, title_line)) title = m[1];
        if (!line.starts_with("plot ")) continue;
        for (std::sregex_iterator it(line.begin(), line.end(), using_column), end; it != end;
             ++it) {
            const std::size_t column = std::stoul((*it)[1]);
            drawn[title].push_back(column <= first_row.size() ? first_row[column - 1] : "?");
        }
    }
    return drawn;
}

TEST(PlotScript, LeftOutValuesAreGapsNeverZeros) {
    // Loss, VSWR, time delay and phase after the frequency; the last row has
    // no frequency, so nothing of it can be placed.
    const stored_report r = only_report(small_bandpass);
    EXPECT_EQ(data_block(plot_script(r, picture_format::svg)),
              "995.00 -0.17 1.250 20.9000 35.50\n"
              "1000.00 NaN 1.000 21.0000 -0.00\n"
              "1005.00 -0.21 999.000 NaN NaN\n"
              "NaN NaN NaN NaN NaN\n");
    EXPECT_EQ(points_left_out(r), 7);

    EXPECT_EQ(data_block(plot_script(only_report(small_both), picture_format::png)),
              "995.000 -0.17 -20.12 20.9000 1.5000 35.50 -45.25\n"
              "1000.000 NaN -72.96 21.0000 13.2345 NaN 450.00\n");
}

TEST(PlotScript, EachPanelDrawsItsOwnQuantity) {
    using drawn = std::map<std::string, std::vector<std::string>>;
    EXPECT_EQ(first_row_by_panel(plot_script(only_report(small_bandpass), picture_format::svg)),
              (drawn{{"Loss", {"-0.17"}},
                     {"VSWR", {"1.250"}},
                     {"Time Delay", {"20.9000"}},
                     {"Phase", {"35.50"}}}));
    // Bandpass first, then bandstop, on each panel.
    EXPECT_EQ(first_row_by_panel(plot_script(only_report(small_both), picture_format::svg)),
              (drawn{{"Loss", {"-0.17", "-20.12"}},
                     {"Time Delay", {"20.9000", "1.5000"}},
                     {"Phase", {"35.50", "-45.25"}}}));
}

TEST(PlotScript, TitleFromTheHeader) {
    EXPECT_EQ(picture_title(only_report(small_bandpass)),
              "Butterworth Bandpass filter\n"
              "Fo = 1000.000 MHz,  BW = 50.000 MHz,  7 poles,  unloaded Q = 2500");
    EXPECT_EQ(picture_title(only_report(small_both)),
              "Bessel BP & BS filter\n"
              "Fo = 1000.000 MHz,  BW = 50.000 MHz,  3 poles,  unloaded Q = 800");
}

}  // namespace
}  // namespace brantover::plot::testing
