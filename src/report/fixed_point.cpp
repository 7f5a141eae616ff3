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

#include "report/text_fields.hpp"

namespace brantover {

namespace {

constexpr double pow10_table[max_decimals + 1] = {1e0, 1e1, 1e2, 1e3,  1e4,  1e5, 1e6,
                                                  1e7, 1e8, 1e9, 1e10, 1e11, 1e12};

constexpr double two_to_64 = 18446744073709551616.0;

void right_aligned(std::string& out, int w, std::string_view s) {
    if (s.size() > std::size_t(w)) {
        out.append(std::size_t(w), '*');
        return;
    }
    out.append(std::size_t(w) - s.size(), ' ');
    out.append(s);
}

// Decimal digits of r, most significant first, none for 0.
int digits_of(std::uint64_t r, char* buf) {
    char rev[20];
    int len = 0;
    while (r != 0) {
        rev[len++] = char('0' + r % 10);
        r /= 10;
    }
    for (int k = 0; k < len; ++k) buf[k] = rev[len - 1 - k];
    return len;
}

// Decimal digits of an integral double of 2^64 or more (a huge float scaled
// by 10^d), by doubling a base-10^9 number.
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
    int len = digits_of(limb[used - 1], buf);
    for (int k = used - 2; k >= 0; --k) {
        std::uint32_t t = limb[k];
        for (int j = 8; j >= 0; --j) {
            buf[len + j] = char('0' + t % 10);
            t /= 10;
        }
        len += 9;
    }
    return len;
}

}  // namespace

void append_fixed(std::string& out, int w, int d, float v) {
    assert(w >= 1 && w <= max_field_width && d >= 0 && d <= max_decimals);
    if (std::isnan(v)) {
        right_aligned(out, w, "NaN");
        return;
    }
    if (std::isinf(v)) {
        if (v > 0)
            right_aligned(out, w, w >= 8 ? "Infinity" : "Inf");
        else
            right_aligned(out, w, w >= 9 ? "-Infinity" : "-Inf");
        return;
    }

    // Digits of the magnitude rounded to d decimals, as one integer.
    char digits[80];
    int len = 0;
    const double scaled = std::fabs(double(v)) * pow10_table[d];
    if (scaled < two_to_64) {
        const double whole = std::floor(scaled);
        std::uint64_t r = std::uint64_t(whole);
        if (scaled - whole >= 0.5) ++r;
        len = digits_of(r, digits);
    } else {
        len = digits_of_large(scaled, digits);
    }

    const bool negative = std::signbit(v);
    const int whole_len = len > d ? len - d : 0;
    int needed = int(negative) + whole_len + 1 + d;
    // A zero whole part: "0." is the least that is written at d = 0; with
    // decimals the zero before the point is written only into a free column.
    bool leading_zero = false;
    if (whole_len == 0 && (d == 0 || needed < w)) {
        leading_zero = true;
        ++needed;
    }
    if (needed > w) {
        out.append(std::size_t(w), '*');
        return;
    }

    const std::size_t start = out.size();
    out.resize(start + std::size_t(w), ' ');
    char* p = out.data() + start + (w - needed);
    if (negative) *p++ = '-';
    if (leading_zero) *p++ = '0';
    for (int k = 0; k < whole_len; ++k) *p++ = digits[k];
    *p++ = '.';
    // Decimals: the last d digits, with zeros in front when the result has
    // fewer than d digits.
    for (int k = 0; k < d - len; ++k) *p++ = '0';
    for (int k = len > d ? len - d : 0; k < len; ++k) *p++ = digits[k];
}

}  // namespace brantover
