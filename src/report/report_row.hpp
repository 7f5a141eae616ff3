// Rendering a report row, nX Fw.d pairs whose widths and decimals are known
// when the program is built. A row is the most frequent line by far, so its
// fields are rendered by code made for each column: constant divisors, loops
// of known length and no blank-filling pass. What the row prints is exactly
// what the layout of the same items prints (see put_fixed).
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "report/field_writers.hpp"
#include "report/report_columns.hpp"

namespace brantover {

namespace row_detail {

constexpr std::uint32_t power_of_ten(int d) { return d == 0 ? 1u : 10u * power_of_ten(d - 1); }

// Fw.d at p. Values whose rounded digits could need all W columns or more,
// and NaN and infinities, take the general field writer.
template <int W, int D>
inline char* put_field(char* p, float v) {
    static_assert(D >= 0 && D <= 8 && W >= D + 2 && W <= 10);
    constexpr std::uint32_t unit = power_of_ten(D);
    constexpr int whole_columns = W - 1 - D;  // left of the point
    const double scaled = std::fabs(double(v)) * double(unit);
    if (!(scaled < double(power_of_ten(W - 1)) - 1.0)) return put_fixed(p, W, D, v);

    std::uint32_t r = std::uint32_t(scaled);
    if (scaled - double(r) >= 0.5) ++r;
    std::uint32_t whole = r / unit;
    std::uint32_t decimals = r - whole * unit;
    int whole_len = 0;
    for (std::uint32_t t = whole; t != 0; t /= 10) ++whole_len;
    const bool negative = std::signbit(v);
    // A zero whole part gets its zero before the point only in a free column
    // (always at d = 0).
    const int text_len = int(negative) + whole_len + 1 + D;
    const bool leading_zero = whole_len == 0 && (D == 0 || text_len < W);
    if (text_len + int(leading_zero) > W) {
        std::memset(p, '*', W);
        return p + W;
    }
    char* e = p + W;
    for (int k = 0; k < D; ++k) {
        *--e = char('0' + decimals % 10);
        decimals /= 10;
    }
    *--e = '.';
    // Each column left of the point: a digit, the zero, the sign or a blank.
    const int sign_at = whole_len + int(leading_zero);
    for (int j = 0; j < whole_columns; ++j) {
        char c = char('0' + whole % 10);
        whole /= 10;
        if (j >= whole_len) c = j == 0 && leading_zero ? '0' : ' ';
        if (negative && j == sign_at) c = '-';
        *--e = c;
    }
    return p + W;
}

template <const auto& Columns, std::size_t... K>
inline char* put_fields(char* p, const float* values, std::index_sequence<K...>) {
    ((std::memset(p, ' ', std::size_t(Columns[K].blanks)), p += Columns[K].blanks,
      p = put_field<Columns[K].w, Columns[K].d>(p, values[K])),
     ...);
    return p;
}

}  // namespace row_detail

// Renders the row into `line` (row_room bytes) and returns its characters.
template <const auto& Columns>
std::string_view render_row(char* line, const std::array<float, Columns.size()>& values) {
    char* p = row_detail::put_fields<Columns>(line, values.data(),
                                              std::make_index_sequence<Columns.size()>{});
    *p++ = '\r';
    *p++ = '\n';
    return {line, std::size_t(p - line)};
}

inline constexpr std::size_t row_room = 256;

}  // namespace brantover
