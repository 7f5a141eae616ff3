// The number field and text field readers, and the splitting of lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "report/text_fields.hpp"

namespace brantover {
namespace {

struct number_case {
    const char* line;
    float expected;
};

TEST(NumberField, ReadsValidFields) {
    const float inf = std::numeric_limits<float>::infinity();
    const number_case cases[] = {
        {"", 0.0f},
        {"             ", 0.0f},
        {"+", 0.0f},
        {" - ", 0.0f},
        {"1000", 1000.0f},
        {"1 000", 1000.0f},
        {" 12 ", 12.0f},
        {"1,5", 1.0f},
        {",5", 0.0f},
        {"2.5e2", 250.0f},
        {"2.5E2", 250.0f},
        {"2.5D2", 250.0f},
        {"2.5d+2", 250.0f},
        {"1.5-3", 1.5e-3f},
        {"2+3", 2000.0f},
        {"-2.5 e - 1", -0.25f},
        {"E5", 0.0f},
        {".", 0.0f},
        {"-.", 0.0f},
        {"5", 5.0f},
        {"5.", 5.0f},
        {".5", 0.5f},
        {"5.25", 5.25f},
        {"-0.05", -0.05f},
        {"0.0001", 0.0001f},
        {"00012.500", 12.5f},
        {"0.000123", 0.000123f},
        {"inf", inf},
        {"-Infinity", -inf},
        {" + INF   ", inf},
        {"1e10000", inf},
        {"-1e99999", -inf},
        {"1e-10000", 0.0f},
        {"0e10000", 0.0f},
        {"1e39", inf},
        {"3.4028235e38", 3.4028235e38f},
        {"3.40282356e38", 3.4028235e38f},  // just below the half to the next power of two
        {"3.40282357e38", inf},
        {"3.5e38", inf},
        {"1e-45", 1e-45f},
        {"7e-46", 0.0f},
        {"8e-46", 1e-45f},
        {"1e-50", 0.0f},
        // only the first 13 characters are the field
        {"12345678901234", 1234567890123.0f},
        {"   1234567890123", 1234567890.0f},
        {"5            x", 5.0f},
        {"1.5, dB remark", 1.5f},
    };
    for (const number_case& c : cases) {
        const number_read r = parse_number_field(c.line);
        EXPECT_EQ(r.status, read_status::ok) << '|' << c.line << '|';
        EXPECT_EQ(r.value, c.expected) << '|' << c.line << '|';
    }
}

TEST(NumberField, ReadsNotANumber) {
    for (const char* line : {"nan", "NaN", " -nan ", "nan(x1)", "NAN()"}) {
        const number_read r = parse_number_field(line);
        EXPECT_EQ(r.status, read_status::ok) << line;
        EXPECT_TRUE(std::isnan(r.value)) << line;
    }
}

TEST(NumberField, RefusesBadValues) {
    for (const char* line :
         {"12.5abc", "Yes",   "5e", "5e+",   "5-",       "1.2.3",    "\t1",   "1\t",
          "1e+-5",   "1e5.0", "in", "nanny", "nan(a b)", "infinite", "1 inf", "--5",
          "+-",      "e",     "x",  "1/2",   "0x10",     "i nf",     "1.5 dB"}) {
        EXPECT_EQ(parse_number_field(line).status, read_status::bad_value) << '|' << line << '|';
    }
}

TEST(NumberField, RoundsOnceToTheNearestFloat) {
    // Against the C library's correctly rounded conversion of the same digits.
    std::mt19937 gen(7);
    std::uniform_int_distribution<long long> mantissa(0, 999999999999LL);
    std::uniform_int_distribution<int> exponent(-50, 40);
    for (int k = 0; k < 20000; ++k) {
        const std::string digits = std::to_string(mantissa(gen));
        const std::string e = "e" + std::to_string(exponent(gen));
        const std::string line = digits.substr(0, 13 - e.size()) + e;
        const float expected = std::strtof(line.c_str(), nullptr);
        const number_read r = parse_number_field(line);
        ASSERT_EQ(r.status, read_status::ok) << line;
        ASSERT_EQ(r.value, expected) << line;
    }
}

std::string lines_of(const std::string& input, bool as_text) {
    std::istringstream in(input);
    line_source src = stream_source(in);
    std::string seen;
    for (;;) {
        if (as_text) {
            const text_read r = read_text_field(src);
            if (r.status != read_status::ok) break;
            seen += std::string(view(r.value)) + "|";
        } else {
            const number_read r = read_number_field(src);
            if (r.status == read_status::end_of_input) break;
            std::ostringstream v;
            v << r.value;
            seen += r.status == read_status::ok ? v.str() + "|" : "bad|";
        }
    }
    return seen;
}

TEST(LineSource, LinesEndAtLfCrLfOrCr) {
    EXPECT_EQ(lines_of("1\n2\r\n3\r4", false), "1|2|3|4|");
    EXPECT_EQ(lines_of("1\r\r\n2\n\n", false), "1|0|2|0|");
    EXPECT_EQ(lines_of("", false), "");
    // The rest of a long line is skipped, not read as the next answer.
    EXPECT_EQ(lines_of(std::string(5000, 'x') + "\n8\n", false), "bad|8|");
    EXPECT_EQ(lines_of("1234567890123x567890 tail\n9", false), "1.23457e+12|9|");
}

TEST(TextField, FirstTwentyCharactersBlankFilled) {
    EXPECT_EQ(lines_of("\n report.txt\na,b\n1234567890123456789012345\r\n", true),
              "                    | report.txt         |a,b                 |"
              "12345678901234567890|");
    std::istringstream none("");
    line_source src = stream_source(none);
    EXPECT_EQ(read_text_field(src).status, read_status::end_of_input);
}

}  // namespace
}  // namespace brantover
