// Reading stored reports back: fields, headers, the kinds of table, several
// reports in one file, and the faults a damaged file can have.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/plot_fixture.hpp"
#include "plot/report_csv.hpp"
#include "plot/small_reports.hpp"
#include "report/report_columns.hpp"
#include "report/text_fields.hpp"

namespace brantover::plot::testing {
namespace {

TEST(FixedField, ReadsEveryFormTheReportPrints) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct good_case {
        const char* field;
        int w, d;
        shown_as shown;
        double value;
        const char* text;
    } const good[] = {
        {"  -0.17", 7, 2, shown_as::number, -0.17, "-0.17"},
        {"  -0.00", 7, 2, shown_as::number, -0.0, "-0.00"},
        {"1800.00", 7, 2, shown_as::number, 1800.0, "1800.00"},
        {"-.5000", 6, 4, shown_as::number, -0.5, "-.5000"},
        {"  1000.", 7, 0, shown_as::number, 1000.0, "1000."},
        {"*******", 7, 2, shown_as::overflow, 0.0, "*******"},
        {"   -Inf", 7, 2, shown_as::infinite, -inf, "-Inf"},
        {"-Infinity", 9, 2, shown_as::infinite, -inf, "-Infinity"},
        {"Infinity", 8, 4, shown_as::infinite, inf, "Infinity"},
        {"    Inf", 7, 2, shown_as::infinite, inf, "Inf"},
    };
    for (const auto& c : good) {
        SCOPED_TRACE(c.field);
        const auto v = read_fixed_field(c.field, c.w, c.d);
        ASSERT_TRUE(v);
        EXPECT_EQ(v->shown, c.shown);
        EXPECT_EQ(v->value, c.value);
        EXPECT_EQ(std::signbit(v->value), std::signbit(c.value));
        EXPECT_EQ(v->text, c.text);
    }
    const auto nan = read_fixed_field("    NaN", 7, 2);
    ASSERT_TRUE(nan);
    EXPECT_EQ(nan->shown, shown_as::not_a_number);
    EXPECT_TRUE(std::isnan(nan->value));

    struct bad_case {
        const char* field;
        int w, d;
    } const bad[] = {
        {"  -0.1 ", 7, 2},   // not right-aligned
        {"   -0.1", 7, 2},   // one decimal short
        {"  -0.170", 8, 2},  // one decimal too many
        {"   1.00", 8, 2},   // narrower than its field
        {"       ", 7, 2},   // blank
        {"   100", 6, 0},    // F6.0 always shows its point
        {"     -.", 7, 0},   // no digit at all
        {"  +1.00", 7, 2},   // the writer never shows a plus sign
        {"  ***.0", 7, 1},   // asterisks fill the whole field or none of it
        {"   -nan", 7, 2},   // only the writer's own spelling
        {"    inf", 7, 2},  {"  12a.0", 7, 1}, {"  --1.0", 7, 1}, {"  1.0.0", 7, 1},
    };
    for (const auto& c : bad) EXPECT_FALSE(read_fixed_field(c.field, c.w, c.d)) << c.field;
}

TEST(FixedField, ReadsBackWhatTheFieldWriterPrints) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    const float values[] = {0.0f,     -0.0f,    -0.004f, 0.5f,         -0.5f,   0.25f,
                            999.999f, -1800.0f, 1800.0f, 1.0e6f,       1.0e-7f, 123.4567f,
                            -64.25f,  inf,      -inf,    std::nanf("")};
    const int formats[][2] = {{9, 2}, {9, 3}, {8, 4}, {7, 2}, {8, 3},
                              {7, 4}, {5, 3}, {7, 0}, {6, 4}};
    for (const float v : values) {
        for (const auto& wd : formats) {
            std::string field;
            append_fixed(field, wd[0], wd[1], v);
            SCOPED_TRACE("F" + std::to_string(wd[0]) + "." + std::to_string(wd[1]) + " |" + field +
                         "|");
            const auto r = read_fixed_field(field, wd[0], wd[1]);
            ASSERT_TRUE(r);
            if (r->shown == shown_as::overflow) {
                EXPECT_EQ(field, std::string(std::size_t(wd[0]), '*'));
                continue;
            }
            std::string again;
            append_fixed(again, wd[0], wd[1], float(r->value));
            EXPECT_EQ(again, field);
        }
    }
}

// The table rows as the writer prints them from the values read back; for
// an overflow field, its asterisks.
template <std::size_t N>
std::vector<std::string> rows_printed_again(const stored_report& r,
                                            const std::array<row_field, N>& layout) {
    std::vector<std::string> lines;
    for (const auto& row : r.rows) {
        EXPECT_EQ(row.size(), N);
        std::string line;
        for (std::size_t k = 0; k < N && k < row.size(); ++k) {
            line.append(std::size_t(layout[k].blanks), ' ');
            if (row[k].shown == shown_as::overflow)
                line.append(std::size_t(layout[k].w), '*');
            else
                append_fixed(line, layout[k].w, layout[k].d, float(row[k].value));
        }
        lines.push_back(line);
    }
    return lines;
}

// Every row read back prints again as the very line of the file, and the
// rows stand together, in order, in the file.
void expect_rows_as_in_file(const stored_report& r, const std::string& file) {
    const auto printed = r.table == report_design::both ? rows_printed_again(r, both_filters_row)
                                                        : rows_printed_again(r, one_filter_row);
    EXPECT_NE(file.find(join_lines(printed, "\r\n")), std::string::npos)
        << "rows read back differ from the file's rows";
}

struct design_case {
    const char* name;
    filter_answers answers;
    const char* response;
    const char* design_word;
    report_design table;
    match_column match;
    std::size_t rows;
    const char* first_frequency;
    const char* last_frequency;
};

// Named in test listings by its name, not its bytes.
void PrintTo(const design_case& c, std::ostream* os) { *os << c.name; }

class EachDesignAndFormat : public report_folder,
                            public ::testing::WithParamInterface<design_case> {};

TEST_P(EachDesignAndFormat, HeaderTableKindAndEveryRow) {
    const design_case& c = GetParam();
    const std::string file = store(answers(c.answers), "r.txt");
    const auto reports = read_all(file);
    ASSERT_EQ(reports.size(), 1u);
    const stored_report& r = reports[0];
    EXPECT_EQ(r.first_line, 3);
    EXPECT_EQ(r.response, c.response);
    EXPECT_EQ(r.design, c.design_word);
    EXPECT_EQ(r.table, c.table);
    if (c.table != report_design::both) {
        EXPECT_EQ(r.match, c.match);
    }
    EXPECT_EQ(r.f0.text, "1000.000");
    EXPECT_EQ(r.bw.text, "50.000");
    EXPECT_EQ(r.flow.value, 975.0);
    EXPECT_EQ(r.fhigh.value, 1025.0);
    EXPECT_EQ(r.qu.text, "1000.");
    EXPECT_EQ(r.poles, "5");
    ASSERT_EQ(r.rows.size(), c.rows);
    EXPECT_EQ(r.rows.front()[col::frequency].text, c.first_frequency);
    EXPECT_EQ(r.rows.back()[col::frequency].text, c.last_frequency);
    expect_rows_as_in_file(r, file);
}

// Defaults: Chebyshev, Fo 1000, BW 50, 5 resonators, Qu 1000, 900 to 1100 by 5.
INSTANTIATE_TEST_SUITE_P(
    StoredByTheProgram, EachDesignAndFormat,
    ::testing::Values(design_case{"BandpassChebyshevVswr",
                                  {"1", "1", "", "", "", "", "", "", "", "1", "r.txt"},
                                  "Tchebyscheff",
                                  "Bandpass",
                                  report_design::bandpass,
                                  match_column::vswr,
                                  41,
                                  "900.00",
                                  "1100.00"},
                      design_case{"BandpassButterworthReturnLoss",
                                  {"1", "2", "", "", "", "", "950", "1050", "10", "2", "r.txt"},
                                  "Butterworth",
                                  "Bandpass",
                                  report_design::bandpass,
                                  match_column::return_loss,
                                  11,
                                  "950.00",
                                  "1050.00"},
                      design_case{"BandstopBesselVswr",
                                  {"2", "3", "", "", "", "", "", "", "", "1", "r.txt"},
                                  "Bessel",
                                  "Bandstop",
                                  report_design::bandstop,
                                  match_column::vswr,
                                  41,
                                  "900.00",
                                  "1100.00"},
                      design_case{"BandstopLinearPhaseReturnLoss",
                                  {"2", "4", "", "", "", "", "", "", "", "2", "r.txt"},
                                  "Linear Phase",
                                  "Bandstop",
                                  report_design::bandstop,
                                  match_column::return_loss,
                                  41,
                                  "900.00",
                                  "1100.00"},
                      design_case{"BothDesignsBessel",
                                  {"3", "3", "", "", "", "", "", "", "", "", "r.txt"},
                                  "Bessel",
                                  "BP & BS",
                                  report_design::both,
                                  match_column::vswr,
                                  41,
                                  "900.000",
                                  "1100.000"}),
    [](const auto& info) { return std::string(info.param.name); });

using StoredReports = report_folder;

TEST_F(StoredReports, SeveralReportsInOneFileInEitherLineEnd) {
    // A bandpass report, a re-run with new frequencies and return loss, then
    // a filter of both designs, all stored to the same file.
    const std::string session =
        answers({"1", "", "", "", "", "", "", "", "", "1", "multi.txt", "1"}) +
        "950\n1050\n10\n2\n1\nmulti.txt\n2\n" +
        answers({"3", "", "", "", "", "", "", "", "", "", "multi.txt", "3"});
    const std::string file = store(session, "multi.txt");
    const auto reports = read_all(file);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].table, report_design::bandpass);
    EXPECT_EQ(reports[0].match, match_column::vswr);
    EXPECT_EQ(reports[0].rows.size(), 41u);
    EXPECT_EQ(reports[1].table, report_design::bandpass);
    EXPECT_EQ(reports[1].match, match_column::return_loss);
    EXPECT_EQ(reports[1].rows.size(), 11u);
    EXPECT_EQ(reports[2].table, report_design::both);
    EXPECT_EQ(reports[2].rows.size(), 41u);
    // Each report starts right after the previous one's storage line: the
    // first has 62 lines (41 rows), the second 33 (11 rows and one more
    // heading line for return loss).
    EXPECT_EQ(reports[0].first_line, 3);
    EXPECT_EQ(reports[1].first_line, 3 + 62);
    EXPECT_EQ(reports[2].first_line, 3 + 62 + 33);
    for (const auto& r : reports) expect_rows_as_in_file(r, file);

    const auto with_lf = read_all(join_lines(lines_of(file), "\n"));
    ASSERT_EQ(with_lf.size(), reports.size());
    for (std::size_t k = 0; k < reports.size(); ++k)
        EXPECT_EQ(report_csv(with_lf[k]), report_csv(reports[k])) << "report " << k + 1;
}

TEST_F(StoredReports, InfiniteLossAndOverflowingPhaseOfATwentyPoleFilter) {
    // 20 Butterworth resonators on a 10 MHz band: far from Fo the loss is
    // -Inf and the bandpass phase needs more than F7.2.
    const std::string file = store(
        answers({"1", "2", "", "10", "20", "", "940", "1060", "2", "1", "steep.txt"}), "steep.txt");
    const auto reports = read_all(file);
    ASSERT_EQ(reports.size(), 1u);
    const stored_report& r = reports[0];
    ASSERT_EQ(r.rows.size(), 61u);
    EXPECT_EQ(r.poles, "20");

    int infinite_loss = 0, overflowing_phase = 0;
    for (const auto& row : r.rows) {
        if (row[col::loss].shown == shown_as::infinite) {
            EXPECT_EQ(row[col::loss].value, -std::numeric_limits<double>::infinity());
            ++infinite_loss;
        }
        overflowing_phase += row[col::phase].shown == shown_as::overflow;
        EXPECT_TRUE(drawable(row[col::frequency]));
    }
    EXPECT_GT(infinite_loss, 0);
    EXPECT_GT(overflowing_phase, 0);
    EXPECT_EQ(r.rows.front()[col::loss].text, "-Inf");
    expect_rows_as_in_file(r, file);
}

TEST_F(StoredReports, FrequenciesAndHeaderValuesTooWideForTheirFields) {
    // From 100000 MHz on, F9.3 shows asterisks: in the header and in the
    // frequency column of a table of both designs.
    const std::string file =
        store(answers({"3", "", "200000", "1000", "", "", "99990", "100010", "10", "", "wide.txt"}),
              "wide.txt");
    const auto reports = read_all(file);
    ASSERT_EQ(reports.size(), 1u);
    const stored_report& r = reports[0];
    EXPECT_EQ(r.f0.shown, shown_as::overflow);
    EXPECT_EQ(r.bw.text, "1000.000");
    ASSERT_EQ(r.rows.size(), 3u);
    EXPECT_EQ(r.rows[0][col::frequency].text, "99990.000");
    EXPECT_EQ(r.rows[1][col::frequency].shown, shown_as::overflow);
    EXPECT_EQ(r.rows[2][col::frequency].shown, shown_as::overflow);
    EXPECT_TRUE(drawable(r.rows[2][col::bp_loss]));
}

TEST(DamagedReports, NameTheLineOfTheFault) {
    // Rows of the small bandpass report are lines 20 to 23, its Fo line 11.
    struct damage {
        const char* what;
        void (*edit)(std::vector<std::string>&);
        long line;
        const char* says;
    } const cases[] = {
        {"a letter in the loss field", [](auto& l) { l[21][36] = 'x'; }, 22,
         "malformed table row: loss field (columns 32-38)"},
        {"a row cut short", [](auto& l) { l[22].resize(50); }, 23, "malformed table row"},
        {"a row shifted by one column", [](auto& l) { l[19].insert(0, " "); }, 20,
         "malformed table row"},
        {"an empty line inside the table", [](auto& l) { l.insert(l.begin() + 21, ""); }, 22,
         "malformed table row"},
        {"a tab for blanks", [](auto& l) { l[19][0] = '\t'; }, 20, "malformed table row"},
        {"a file cut inside the table", [](auto& l) { l.resize(22); }, 22,
         "ends inside the report that begins on line 3"},
        {"Fo not a number", [](auto& l) { l[10].replace(26, 4, "1e03"); }, 11,
         "malformed report header"},
        {"no BW line", [](auto& l) { l.erase(l.begin() + 12); }, 18,
         "incomplete header: no BW line"},
        {"a second report inside the table", [](auto& l) { l.insert(l.begin() + 21, l[2]); }, 22,
         "malformed table row"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto lines = lines_of(small_bandpass);
        c.edit(lines);
        std::vector<stored_report> reports;
        read_error error;
        EXPECT_FALSE(read_reports(join_lines(lines, "\r\n"), reports, error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_NE(error.message.find(c.says), std::string::npos) << error.message;
    }
}

TEST(DamagedReports, AFileWithoutAReport) {
    for (const char* text : {"", "\r\n\r\n", "Brantover default data\r\n1\r\n"}) {
        std::vector<stored_report> reports;
        read_error error;
        EXPECT_FALSE(read_reports(text, reports, error));
        EXPECT_EQ(error.line, 0);
        EXPECT_EQ(error.message, "no report in the file");
    }
}

}  // namespace
}  // namespace brantover::plot::testing
