// The Fw.d field: fixed-point text of a float, exact on its binary value.
//
// |v| * 10^d is exact in double for every float and d <= 12 (a 24-bit
// significand times 5^d of at most 28 bits), so one multiplication gives the
// exact scaled value, and its fraction decides the rounding: half a unit or
// more of the last decimal goes up. Rounding the magnitude and adding the sign
// afterwards sends exact halves away from zero.
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "report/field_writers.hpp"
#include "report/text_fields.hpp"

namespace brantover {

namespace {

constexpr double pow10_table[max_decimals + 1] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                                  1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

constexpr double two_to_64 = 18446744073709551616.0;

constexpr char blanks[field_slack + 1] = "                                ";

constexpr char digit_pairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* put_right(char* p, int w, std::string_view s) {
    const std::size_t width = std::size_t(w);
    if (s.size() > width) {
        std::memset(p, '*', width);
    } else {
        std::memset(p, ' ', width - s.size());
        std::memcpy(p + (width - s.size()), s.data(), s.size());
    }
    return p + w;
}

#define BRANTOVER_INLINE [[gnu::always_inline]] inline

// Writes the lowest `count` digits of r before q, zeros included.
template <typename U>
BRANTOVER_INLINE char* put_low_digits(char* q, U r, int count) {
    for (; count >= 2; count -= 2) {
        q -= 2;
        std::memcpy(q, digit_pairs + 2 * (r % 100), 2);
        r /= 100;
    }
    if (count == 1) *--q = char('0' + r % 10);
    return q;
}

// Writes the digits of r, without leading zeros (none for 0), before q.
template <typename U>
BRANTOVER_INLINE char* put_digits(char* q, U r) {
    while (r >= 100) {
        q -= 2;
        std::memcpy(q, digit_pairs + 2 * (r % 100), 2);
        r /= 100;
    }
    if (r >= 10) {
        q -= 2;
        std::memcpy(q, digit_pairs + 2 * r, 2);
    } else if (r > 0) {
        *--q = char('0' + r);
    }
    return q;
}

template <typename U>
struct power_of_ten_table {
    U values[max_decimals + 1];
};
constexpr power_of_ten_table<std::uint64_t> pow10_u64{{1, 10, 100, 1000, 10000, 100000, 1000000,
                                                       10000000, 100000000, 1000000000, 10000000000,
                                                       100000000000, 1000000000000}};

// r / 10^d for d up to 9, by constant divisors (a multiplication each)
// rather than a division by a variable.
BRANTOVER_INLINE std::uint32_t divide_by_power_of_ten(std::uint32_t r, int d) {
    switch (d) {
        case 0: return r;
        case 1: return r / 10u;
        case 2: return r / 100u;
        case 3: return r / 1000u;
        case 4: return r / 10000u;
        case 5: return r / 100000u;
        case 6: return r / 1000000u;
        case 7: return r / 10000000u;
        case 8: return r / 100000000u;
        default: return r / 1000000000u;
    }
}

// The text "whole.decimals" of r, scaled by 10^d, before q.
template <typename U>
BRANTOVER_INLINE char* put_scaled(char* q, U r, int d, bool& zero_whole) {
    const U unit = U(pow10_u64.values[d]);
    const U whole = r / unit;
    q = put_low_digits(q, U(r - whole * unit), d);
    *--q = '.';
    zero_whole = whole == 0;
    return put_digits(q, whole);
}

// Decimal digits of an integral double of 2^64 or more (a huge float scaled
// by 10^d), by doubling a base-10^9 number; written forward from buf.
int digits_of_large(double x, char* buf) {
    int e = 0;
    const double m = std::frexp(x, &e);  // x = m * 2^e, 0.5 <= m < 1
    std::uint64_t sig = std::uint64_t(std::ldexp(m, 53));
    int shift = e - 53;
    std::uint32_t limb[8] = {};  // little-endian, base 10^9; 72 digits
    int used = 0;
    while (sig != 0) {
        limb[used++] = std::uint32_t(sig % 1000000000u);
        sig /= 1000000000u;
    }
    while (shift > 0) {
        const int step = shift < 29 ? shift : 29;
        std::uint64_t carry = 0;
        for (int k = 0; k < used; ++k) {
            const std::uint64_t t = (std::uint64_t(limb[k]) << step) + carry;
            limb[k] = std::uint32_t(t % 1000000000u);
            carry = t / 1000000000u;
        }
        if (carry != 0) limb[used++] = std::uint32_t(carry);
        shift -= step;
    }
    char top[10];
    char* const top_end = top + sizeof top;
    const char* q = put_digits(top_end, limb[used - 1]);
    int len = int(top_end - q);
    std::memcpy(buf, q, std::size_t(len));
    for (int k = used - 2; k >= 0; --k) {
        std::uint32_t t = limb[k];
        put_low_digits(buf + len + 9, t, 9);
        len += 9;
    }
    return len;
}

}  // namespace

namespace {

// Places the text [q, text_end), built at the end of a blank-filled scratch
// line, as the field: with the sign and the optional zero in front, or as
// asterisks when it does not fit.
BRANTOVER_INLINE char* place_field(char* p, int w, char* q, char* text_end, bool negative,
                                   bool zero_whole, int d) {
    // A zero whole part: "0." is the least that is written at d = 0; with
    // decimals the zero before the point is written only into a free column.
    const int text_len = int(negative) + int(text_end - q);
    const bool leading_zero = zero_whole && (d == 0 || text_len < w);
    if (text_len + int(leading_zero) > w) {
        std::memset(p, '*', std::size_t(w));
        return p + w;
    }
    if (leading_zero) *--q = '0';
    if (negative) *--q = '-';
    if (std::size_t(w) <= field_slack)
        std::memcpy(p, text_end - w, field_slack);  // one fixed-size store
    else
        std::memcpy(p, text_end - w, std::size_t(w));
    return p + w;
}

char* put_special(char* p, int w, float v) {
    if (std::isnan(v)) return put_right(p, w, "NaN");
    if (v > 0) return put_right(p, w, w >= 8 ? "Infinity" : "Inf");
    return put_right(p, w, w >= 9 ? "-Infinity" : "-Inf");
}

// Any width and magnitude: the digits of values beyond 32 bits, and of
// floats too large for 64 bits once scaled.
char* put_fixed_wide(char* p, int w, int d, double scaled, bool negative) {
    char scratch[160];
    std::memset(scratch, ' ', sizeof scratch);
    char* const text_end = scratch + 128;
    char* q = text_end;
    bool zero_whole = false;
    if (scaled < two_to_64) {
        std::uint64_t r = std::uint64_t(scaled);
        if (scaled - double(r) >= 0.5) ++r;
        q = put_scaled(q, r, d, zero_whole);
    } else {
        char digits[80];
        const int len = digits_of_large(scaled, digits);  // always more than d digits
        q = text_end - (len + 1);
        std::memcpy(q, digits, std::size_t(len - d));
        q[len - d] = '.';
        std::memcpy(q + (len - d) + 1, digits + (len - d), std::size_t(d));
    }
    return place_field(p, w, q, text_end, negative, zero_whole, d);
}

}  // namespace

char* put_fixed(char* p, int w, int d, float v) {
    assert(w >= 1 && w <= max_field_width && d >= 0 && d <= max_decimals);
    if (!std::isfinite(v)) return put_special(p, w, v);
    const double scaled = std::fabs(double(v)) * pow10_table[d];
    const bool negative = std::signbit(v);
    if (!(scaled < 4294967295.0) || d > 9 || std::size_t(w) > field_slack)
        return put_fixed_wide(p, w, d, scaled, negative);

    // The common field: a rounded value and a unit 10^d that fit 32 bits.
    // Its digits are written right to left straight into the field, over
    // blanks, once the width is known to suffice.
    std::uint32_t r = std::uint32_t(scaled);
    if (scaled - double(r) >= 0.5) ++r;
    const std::uint32_t whole = divide_by_power_of_ten(r, d);
    const std::uint32_t unit = std::uint32_t(pow10_u64.values[d]);
    int whole_len = 0;
    while (whole_len < 10 && whole >= pow10_u64.values[whole_len]) ++whole_len;
    // A zero whole part: "0." is the least that is written at d = 0; with
    // decimals the zero before the point is written only into a free column.
    const int text_len = int(negative) + whole_len + 1 + d;
    const bool leading_zero = whole_len == 0 && (d == 0 || text_len < w);
    if (text_len + int(leading_zero) > w) {
        std::memset(p, '*', std::size_t(w));
        return p + w;
    }
    std::memcpy(p, blanks, field_slack);
    char* q = put_low_digits(p + w, std::uint32_t(r - whole * unit), d);
    *--q = '.';
    q = put_digits(q, whole);
    if (leading_zero) *--q = '0';
    if (negative) *--q = '-';
    return p + w;
}

}  // namespace brantover
