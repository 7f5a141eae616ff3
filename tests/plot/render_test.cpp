// Pictures drawn by gnuplot: well-formed SVG with the panels of each kind of
// report, the note on left-out points, and the shapes of table that gnuplot
// cannot autoscale on its own.
#include <gtest/gtest.h>

#include <algorithm>

#include "plot/gnuplot_pipe.hpp"
#include "plot/plot_fixture.hpp"
#include "plot/small_reports.hpp"
#include "plot/xml_check.hpp"

namespace brantover::plot::testing {
namespace {

bool has_text(const xml_check& svg, const std::string& text) {
    return std::find(svg.texts.begin(), svg.texts.end(), text) != svg.texts.end();
}

TEST(XmlCheck, TellsWellFormedFromBroken) {
    EXPECT_TRUE(check_xml("<?xml version=\"1.0\"?>\n<!DOCTYPE svg>\n<svg a='1' b=\"&amp;\">"
                          "<g><text>A &lt; B</text><path d='M0'/></g></svg>\n")
                    .well_formed);
    for (const char* broken : {"<svg><g></svg>", "<svg><g></g>", "<svg a=1></svg>",
                               "<svg>A & B</svg>", "<svg></svg><svg></svg>", "<svg a='1></svg>",
                               "<svg a='1' a='2'></svg>", "text<svg></svg>", ""})
        EXPECT_FALSE(check_xml(broken).well_formed) << broken;
}

class Pictures : public report_folder {
  protected:
    void SetUp() override {
        report_folder::SetUp();
        if (find_on_path("gnuplot", default_path()).empty())
            GTEST_SKIP() << "gnuplot is not installed";
    }

    // Draws the last report of `report_file` into an SVG and checks it.
    xml_check svg_of(const std::string& report_file) {
        const tool_result r = tool({at(report_file), "-o", at("picture.svg")});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const xml_check svg = check_xml(read_file(at("picture.svg")));
        EXPECT_TRUE(svg.well_formed) << svg.fault;
        return svg;
    }
};

TEST_F(Pictures, OneFilterReportHasFourPanelsUnderItsTitle) {
    store(answers({"", "", "", "", "", "", "", "", "", "", ""}), "filter.txt");
    const xml_check svg = svg_of("filter.txt");
    for (const char* panel : {"Loss", "VSWR", "Time Delay", "Phase"})
        EXPECT_TRUE(has_text(svg, panel)) << panel;
    EXPECT_TRUE(has_text(svg, "Tchebyscheff Bandpass filter"));
    EXPECT_TRUE(has_text(svg, "Fo = 1000.000 MHz,  BW = 50.000 MHz,  5 poles,  unloaded Q = 1000"));
    EXPECT_TRUE(has_text(svg, "Frequency (MHz)"));
    EXPECT_FALSE(std::any_of(svg.texts.begin(), svg.texts.end(), [](const std::string& t) {
        return t.find("left out") != std::string::npos;
    }));
}

TEST_F(Pictures, BothDesignsShareThreePanels) {
    store(answers({"3", "", "", "", "", "", "", "", "", "", "both.txt"}), "both.txt");
    const xml_check svg = svg_of("both.txt");
    for (const char* text : {"Loss", "Time Delay", "Phase", "Bandpass", "Bandstop"})
        EXPECT_TRUE(has_text(svg, text)) << text;
    EXPECT_FALSE(has_text(svg, "VSWR"));
    EXPECT_TRUE(has_text(svg, "Tchebyscheff BP & BS filter"));
}

TEST_F(Pictures, ReturnLossPanelAndTheNoteOnLeftOutPoints) {
    // The small report leaves out 7 points, one of them a row without a frequency.
    std::string text = small_bandpass;
    const std::string heading = "Phase    VSWR    F/Fo";
    text.replace(text.find(heading), heading.size(), "Phase    Loss    F/Fo");
    write_file(at("small.txt"), text);
    const xml_check svg = svg_of("small.txt");
    EXPECT_TRUE(has_text(svg, "Return Loss"));
    EXPECT_TRUE(has_text(svg, "7 points left out, where the report shows asterisks, Inf or NaN:"));
    EXPECT_TRUE(has_text(svg, "1 row without a frequency, loss 1, time delay 1, phase 1"));
}

TEST_F(Pictures, OneRowAndAPanelWithNothingToDraw) {
    // gnuplot refuses an empty frequency range and a panel without a single
    // point unless it is given ranges of its own.
    auto lines = lines_of(small_bandpass);
    lines.erase(lines.begin() + 21, lines.begin() + 23);  // keep the 995 and 1000 MHz rows
    lines.erase(lines.begin() + 19);                      // and then only 1000 MHz, loss -Inf
    write_file(at("one.txt"), join_lines(lines, "\r\n"));
    const xml_check svg = svg_of("one.txt");
    EXPECT_TRUE(has_text(svg, "no values to draw"));
    EXPECT_TRUE(has_text(svg, "1 point left out, where the report shows asterisks, Inf or NaN:"));
}

TEST_F(Pictures, PngByItsName) {
    store(answers({"2", "", "", "", "", "", "", "", "", "2", "bs.txt"}), "bs.txt");
    const tool_result r = tool({at("bs.txt"), "-o", at("bs.PNG")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(read_file(at("bs.PNG")).starts_with("\x89PNG\r\n\x1a\n"));
}

TEST_F(Pictures, WithoutOutputNameThePictureTakesTheReportsName) {
    store(answers({"", "", "", "", "", "", "", "", "", "", "filter.txt"}), "filter.txt");
    const tool_result r = tool({at("filter.txt")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(check_xml(read_file(at("filter.svg"))).well_formed);
}

}  // namespace
}  // namespace brantover::plot::testing
