// A report row rendered by its own code prints exactly the layout of the same
// nX Fw.d items.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "report/report_row.hpp"
#include "report/text_fields.hpp"

namespace brantover {
namespace {

template <const auto& Columns>
std::string as_layout(const std::array<float, Columns.size()>& values) {
    std::vector<item> items;
    for (std::size_t k = 0; k < Columns.size(); ++k) {
        items.push_back(x(Columns[k].blanks));
        items.push_back(f(Columns[k].w, Columns[k].d, values[k]));
    }
    std::string s;
    render_layout(s, items, false);
    return s;
}

template <const auto& Columns>
void expect_same(const std::array<float, Columns.size()>& values) {
    char line[row_room];
    ASSERT_EQ(std::string(render_row<Columns>(line, values)), as_layout<Columns>(values));
}

TEST(ReportRow, PrintsTheLayoutOfItsItems) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    expect_same<one_filter_row>({1000.0f, 10.0f, -0.17f, 3.0f, -100.0f, 2.0f, 1.0f});
    EXPECT_EQ(as_layout<one_filter_row>({1000.0f, 10.0f, -0.17f, 3.0f, -100.0f, 2.0f, 1.0f}),
              "           1000.00    10.0000    -0.17   3.0000  -100.00    2.000   1.0000\r\n");
    expect_same<one_filter_row>({-0.0f, -0.004f, 0.5f, -0.5f, -1800.0f, 999.0f, 0.25f});
    expect_same<one_filter_row>({100000.0f, 9999.99995f, -inf, inf, nan, 1e30f, -1e-30f});
    expect_same<both_filters_row>(
        {99999.9995f, 0.00005f, -999.995f, 9999.99995f, 1800.0f, -inf, 0.0f, -0.005f});

    std::mt19937 gen(42);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_real_distribution<float> magnitude(-8.0f, 6.0f);
    std::bernoulli_distribution negative;
    auto value = [&] {
        // Mostly ordinary report values over many decades, some exact binary
        // fractions (halves at every decimal), some arbitrary bit patterns.
        if (bits(gen) % 8 == 0) return std::bit_cast<float>(bits(gen));
        if (bits(gen) % 4 == 0) {
            const float v = std::ldexp(float(bits(gen) % (1u << 22)), -int(bits(gen) % 16));
            return negative(gen) ? -v : v;
        }
        const float v = std::pow(10.0f, magnitude(gen));
        return negative(gen) ? -v : v;
    };
    for (int k = 0; k < 50000; ++k) {
        std::array<float, 7> one;
        for (float& v : one) v = value();
        expect_same<one_filter_row>(one);
        std::array<float, 8> both;
        for (float& v : both) v = value();
        expect_same<both_filters_row>(both);
    }
}

}  // namespace
}  // namespace brantover
