// Fw.d, Iw and Aw against pinned strings, and Fw.d against an exact decimal
// expansion of the float over random and boundary values.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "report/text_fields.hpp"

namespace brantover {
namespace {

std::string fixed(float v, int w, int d) {
    std::string s;
    append_fixed(s, w, d, v);
    return s;
}

std::string integer(std::int32_t v, int w) {
    std::string s;
    append_integer(s, w, v);
    return s;
}

std::string alpha(std::string_view v, int w) {
    std::string s;
    append_alpha(s, w, v);
    return s;
}

const float inf = std::numeric_limits<float>::infinity();

struct fixed_case {
    float v;
    int w, d;
    const char* expected;
};

TEST(FixedPoint, PinnedExamples) {
    const fixed_case cases[] = {
        {1000.0f, 9, 3, " 1000.000"},
        {1.0f, 7, 4, " 1.0000"},
        {3.0f, 8, 4, "  3.0000"},
        // exact halves go away from zero; 0.35 is held just below a half
        {0.25f, 5, 1, "  0.3"},
        {-0.25f, 5, 1, " -0.3"},
        {0.35f, 5, 1, "  0.3"},
        {2.5f, 7, 0, "     3."},
        {-2.5f, 7, 0, "    -3."},
        // negative results that round to zero keep their sign
        {-0.004f, 7, 2, "  -0.00"},
        {-0.0f, 7, 2, "  -0.00"},
        {0.0f, 7, 2, "   0.00"},
        {-1e-30f, 7, 2, "  -0.00"},
        // the whole width, and one column too many
        {1000.0f, 7, 2, "1000.00"},
        {-999.0f, 7, 2, "-999.00"},
        {-1000.0f, 7, 2, "*******"},
        {10000.0f, 7, 2, "*******"},
        {999.995f, 6, 2, "999.99"},  // held as 999.99499...
        {999.996f, 6, 2, "******"},  // rounds up to 1000.00
        {2000.0f, 7, 0, "  2000."},
        {0.0f, 7, 0, "     0."},
        {0.4f, 2, 0, "0."},
        {-0.4f, 2, 0, "**"},
        {-0.4f, 3, 0, "-0."},
        // the zero before the point only where a column is free
        {0.5f, 5, 3, "0.500"},
        {10.0f, 5, 3, "*****"},
        {0.5f, 7, 4, " 0.5000"},
        {0.5f, 5, 4, ".5000"},
        {-0.5f, 6, 4, "-.5000"},
        {-0.5f, 7, 4, "-0.5000"},
        {0.99996f, 5, 4, "*****"},  // 1.0000 needs six columns
        // not a number and infinity
        {-inf, 8, 3, "    -Inf"},
        {inf, 9, 2, " Infinity"},
        {-inf, 9, 2, "-Infinity"},
        {inf, 8, 2, "Infinity"},
        {inf, 7, 2, "    Inf"},
        {-inf, 8, 2, "    -Inf"},
        {inf, 2, 0, "**"},
        {-inf, 3, 0, "***"},
        {std::numeric_limits<float>::quiet_NaN(), 7, 2, "    NaN"},
        {-std::numeric_limits<float>::quiet_NaN(), 3, 1, "NaN"},
        {std::numeric_limits<float>::quiet_NaN(), 2, 1, "**"},
        // the report's own fields
        {-100.0f, 7, 2, "-100.00"},
        {999.0f, 8, 3, " 999.000"},
        {1800.0f, 7, 2, "1800.00"},
        {-1800.0f, 7, 2, "*******"},
        {100000.0f, 9, 3, "*********"},
        {99999.99f, 9, 3, "99999.992"},  // the float nearest 99999.99
        {10.0f, 5, 3, "*****"},
        {9.9995f, 5, 3, "*****"},  // held above the half: 10.000
        {9.9994f, 5, 3, "9.999"},
        // the largest floats, exactly
        {3.4028235e38f, 40, 0, "340282346638528859811704183484516925440."},
        {-3.4028235e38f, 50, 9, "-340282346638528859811704183484516925440.000000000"},
        {16777216.0f, 21, 12, "16777216.000000000000"},
        {16777216.0f, 20, 12, "********************"},
        {std::numeric_limits<float>::denorm_min(), 16, 12, "  0.000000000000"},
        {1.5e-12f, 16, 12, "  0.000000000001"},  // held as 1.4999999e-12
        {0.125f, 5, 2, " 0.13"},
        {-0.125f, 5, 2, "-0.13"},
        {1.0f / 1024, 12, 10, "0.0009765625"},
        {1.0f / 2048, 13, 10, " 0.0004882813"},
    };
    for (const fixed_case& c : cases)
        EXPECT_EQ(fixed(c.v, c.w, c.d), c.expected)
            << "F" << c.w << "." << c.d << " of " << std::hexfloat << c.v;
}

TEST(IntegerField, RightAlignedOrAsterisks) {
    EXPECT_EQ(integer(5, 2), " 5");
    EXPECT_EQ(integer(0, 2), " 0");
    EXPECT_EQ(integer(-5, 2), "-5");
    EXPECT_EQ(integer(100, 2), "**");
    EXPECT_EQ(integer(-10, 2), "**");
    EXPECT_EQ(integer(2014, 4), "2014");
    EXPECT_EQ(integer(std::numeric_limits<std::int32_t>::min(), 11), "-2147483648");
    EXPECT_EQ(integer(std::numeric_limits<std::int32_t>::min(), 10), "**********");
    EXPECT_EQ(integer(std::numeric_limits<std::int32_t>::max(), 11), " 2147483647");
}

TEST(AlphaField, CutOrRightAligned) {
    const text20 bpbs = make_text20("BP & BS");
    EXPECT_EQ(alpha(view(bpbs), 8), "BP & BS ");
    EXPECT_EQ(alpha(view(make_text20("report.txt")), 20), "report.txt          ");
    EXPECT_EQ(alpha("abc", 5), "  abc");
    EXPECT_EQ(alpha(view(make_text20("Tchebyscheff")), 12), "Tchebyscheff");
}

// ---- exact reference: the full decimal expansion of a float

// Decimal digits (most significant first) of the integer m * mul^count.
std::string times_power(std::uint64_t m, int mul, int count) {
    std::string digits = std::to_string(m);
    for (int k = 0; k < count; ++k) {
        int carry = 0;
        for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
            const int t = (*it - '0') * mul + carry;
            *it = char('0' + t % 10);
            carry = t / 10;
        }
        while (carry != 0) {
            digits.insert(digits.begin(), char('0' + carry % 10));
            carry /= 10;
        }
    }
    return digits;
}

struct exact_decimal {
    bool negative;
    std::string whole, frac;
};

exact_decimal expand(float v) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(v);
    const bool negative = (bits >> 31) != 0;
    const int biased = int((bits >> 23) & 0xff);
    std::uint64_t m = bits & 0x7fffff;
    int e = 0;
    if (biased == 0) {
        e = -149;
    } else {
        m |= 0x800000;
        e = biased - 150;
    }
    // exact value = whole.frac as decimal strings
    std::string whole, frac;
    if (e >= 0) {
        whole = times_power(m, 2, e);
    } else {
        std::string digits = times_power(m, 5, -e);  // m * 5^-e / 10^-e
        if (digits.size() <= std::size_t(-e))
            digits.insert(0, std::size_t(-e) + 1 - digits.size(), '0');
        whole = digits.substr(0, digits.size() - std::size_t(-e));
        frac = digits.substr(digits.size() - std::size_t(-e));
    }
    return {negative, whole, frac};
}

// The fixed-point field built from the exact expansion by the field rules.
std::string reference_fixed(const exact_decimal& x, int w, int d) {
    const bool negative = x.negative;
    const std::string& whole = x.whole;
    std::string frac = x.frac;
    frac.resize(std::max<std::size_t>(frac.size(), std::size_t(d) + 1), '0');
    const bool round_up = frac[std::size_t(d)] >= '5';
    std::string kept = whole + frac.substr(0, std::size_t(d));
    if (round_up) {
        int k = int(kept.size()) - 1;
        while (k >= 0 && kept[std::size_t(k)] == '9') kept[std::size_t(k--)] = '0';
        if (k < 0)
            kept.insert(kept.begin(), '1');
        else
            ++kept[std::size_t(k)];
    }
    std::string int_part = kept.substr(0, kept.size() - std::size_t(d));
    const std::string dec_part = kept.substr(kept.size() - std::size_t(d));
    int_part.erase(0, std::min(int_part.find_first_not_of('0'), int_part.size()));
    std::string body = int_part + "." + dec_part;
    if (negative) body.insert(0, "-");
    if (int_part.empty() && (d == 0 || int(body.size()) < w)) body.insert(negative ? 1 : 0, "0");
    if (int(body.size()) > w) return std::string(std::size_t(w), '*');
    return std::string(std::size_t(w) - body.size(), ' ') + body;
}

std::string reference_fixed(float v, int w, int d) { return reference_fixed(expand(v), w, d); }

TEST(FixedPoint, ReferenceItself) {
    EXPECT_EQ(reference_fixed(0.25f, 5, 1), "  0.3");
    EXPECT_EQ(reference_fixed(-0.5f, 6, 4), "-.5000");
    EXPECT_EQ(reference_fixed(1000.0f, 7, 2), "1000.00");
}

void expect_as_reference(float v) {
    const exact_decimal x = expand(v);
    for (int d = 0; d <= 9; ++d)
        for (int w : {1, 2, 5, 7, 8, 9, 12, 20, 30})
            ASSERT_EQ(fixed(v, w, d), reference_fixed(x, w, d))
                << "F" << w << "." << d << " of " << std::hexfloat << v;
}

TEST(FixedPoint, BoundaryFloatsMatchExactExpansion) {
    // Halves and their neighbours at every decimal, and powers of ten.
    for (int d = 0; d <= 9; ++d) {
        const double unit = std::pow(10.0, -d);
        for (double base : {0.0, 1.0, 7.0, 99.0, 12345.0}) {
            const float half = float(base + 0.5 * unit);
            for (float v : {half, std::nextafter(half, 0.0f), std::nextafter(half, 1e30f)}) {
                expect_as_reference(v);
                expect_as_reference(-v);
            }
        }
    }
    for (int p = -12; p <= 38; ++p) {
        const float t = float(std::pow(10.0, p));
        for (float v : {t, std::nextafter(t, 0.0f), std::nextafter(t, 1e38f)}) {
            expect_as_reference(v);
            expect_as_reference(-v);
        }
    }
    expect_as_reference(std::numeric_limits<float>::max());
    expect_as_reference(std::numeric_limits<float>::min());
    expect_as_reference(std::numeric_limits<float>::denorm_min());
}

TEST(FixedPoint, RandomFloatsMatchExactExpansion) {
    std::mt19937 gen(20261211);
    std::uniform_int_distribution<std::uint32_t> any_bits;
    std::uniform_real_distribution<float> moderate(-3000.0f, 3000.0f);
    for (int k = 0; k < 20000; ++k) {
        float v = std::bit_cast<float>(any_bits(gen));
        if (!std::isfinite(v)) continue;
        expect_as_reference(v);
        expect_as_reference(moderate(gen));
    }
}

}  // namespace
}  // namespace brantover
