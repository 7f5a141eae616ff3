#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace brantover {
namespace {

struct count_result {
    std::int32_t ierr;
    std::int32_t n;
    float a2;
};

// The caller's n and a2 are preset so that an untouched result shows.
constexpr std::int32_t preset_n = 17;
constexpr float preset_a2 = 3.5f;

count_result count(float am, float a1, float fc, float f1, float fh1, float fl1, std::int32_t ides,
                   std::int32_t ires) {
    count_result r{9, preset_n, preset_a2};
    nsectn(am, a1, r.a2, fc, f1, fh1, fl1, ides, r.ierr, ires, r.n);
    return r;
}

// Band edges 950 and 1050 MHz, bandpass.
count_result bandpass(std::int32_t ires, float f1, float a1, float am = 0.1f) {
    return count(am, a1, 1050.0f, f1, 1050.0f, 950.0f, 3, ires);
}

TEST(Nsectn, BandpassCountsAndAchievedAttenuation) {
    struct row {
        std::int32_t ires;
        float f1, a1;
        std::int32_t n;
        double a2;
    };
    const row rows[] = {
        {1, 1100.0f, 40.0f, 6, 44.2},
        {1, 900.0f, 40.0f, 6, 48.7},
        {2, 1100.0f, 40.0f, 7, 40.0},
        {2, 900.0f, 40.0f, 7, 44.6},
        {1, 1500.0f, 20.0f, 2, 26.5},
        {2, 1500.0f, 20.0f, 2, 36.9},
        {1, 1050.5f, 20.0f, 36, 20.8},
        // 10 log10(1 + freq^486) at freq = 1.0095218: 20.046.
        {2, 1050.5f, 20.0f, 243, 20.05},
        {3, 1100.0f, 40.0f, 7, 40.0},
        {4, 1100.0f, 40.0f, 7, 40.0},
    };
    for (const row& c : rows) {
        SCOPED_TRACE(::testing::Message() << "ires " << c.ires << " f1 " << c.f1 << " a1 " << c.a1);
        const count_result r = bandpass(c.ires, c.f1, c.a1);
        EXPECT_EQ(r.ierr, 0);
        EXPECT_EQ(r.n, c.n);
        EXPECT_NEAR(r.a2, c.a2, 0.05);
    }
}

TEST(Nsectn, BandstopSkirtOutsideTheEdgesNeedsTwo) {
    const count_result chebyshev = count(0.1f, 40.0f, 1050.0f, 1100.0f, 1050.0f, 950.0f, 4, 1);
    EXPECT_EQ(chebyshev.ierr, 0);
    EXPECT_EQ(chebyshev.n, 2);
    EXPECT_NEAR(chebyshev.a2, 0.02, 0.005);

    const count_result butterworth = count(0.1f, 40.0f, 1050.0f, 1100.0f, 1050.0f, 950.0f, 4, 2);
    EXPECT_EQ(butterworth.n, 2);
    EXPECT_NEAR(butterworth.a2, 0.30, 0.005);  // 10 log10(1 + 0.5176^4)
}

// Low-pass and high-pass map through the cut-off alone: f1/fc and fc/f1.
TEST(Nsectn, LowPassAndHighPass) {
    const count_result low = count(0.1f, 40.0f, 100.0f, 200.0f, 0.0f, 0.0f, 1, 2);
    const count_result high = count(0.1f, 40.0f, 100.0f, 50.0f, 0.0f, 0.0f, 2, 2);
    for (const count_result& r : {low, high}) {
        EXPECT_EQ(r.ierr, 0);
        EXPECT_EQ(r.n, 7);                // ln(9999) / (2 ln 2) = 6.64
        EXPECT_NEAR(r.a2, 42.14, 0.005);  // 10 log10(1 + 2^14)
    }
    const count_result chebyshev = count(0.1f, 40.0f, 100.0f, 200.0f, 0.0f, 0.0f, 1, 1);
    EXPECT_EQ(chebyshev.n, 6);  // arcosh(655.2) / arcosh(2) = 5.45
}

TEST(Nsectn, ErrorsLeaveCountAndAttenuationAlone) {
    struct row {
        const char* what;
        float am, a1, f1;
    };
    const row rows[] = {
        {"required equals the ripple", 0.5f, 0.5f, 1100.0f},
        {"required below the ripple", 0.5f, 0.2f, 1100.0f},
        {"skirt at the geometric centre", 0.1f, 40.0f, float(std::sqrt(1050.0 * 950.0))},
    };
    for (const row& c : rows) {
        SCOPED_TRACE(c.what);
        for (std::int32_t ires = 1; ires <= 2; ++ires) {
            const count_result r = bandpass(ires, c.f1, c.a1, c.am);
            EXPECT_EQ(r.ierr, 1);
            EXPECT_EQ(r.n, preset_n);
            EXPECT_EQ(r.a2, preset_a2);
        }
    }
}

// The exact count is rounded up, forgiving a thousandth. freq = 10 exactly
// (low-pass, f1 = 10 fc), so the Butterworth count is log10(10^(a1/10) - 1) / 2.
TEST(Nsectn, CountRoundsUpBeyondAThousandth) {
    struct row {
        float a1;
        std::int32_t n;
    };
    const row rows[] = {
        {60.0f, 3},   // 2.9999998
        {60.01f, 3},  // 3.0005
        {60.03f, 4},  // 3.0015
        {1.0f, 2},    // negative exact count
        {1e-8f, 2},   // 10^(a1/10) is 1 in single precision: minus infinity
    };
    for (const row& c : rows) {
        SCOPED_TRACE(c.a1);
        const count_result r = count(0.0f, c.a1, 1.0f, 10.0f, 0.0f, 0.0f, 1, 2);
        EXPECT_EQ(r.ierr, 0);
        EXPECT_EQ(r.n, c.n);
    }
}

// A skirt at the cut-off makes the exact count infinite, which is not an
// error: the count comes out as 2.
TEST(Nsectn, InfiniteCountBecomesTwo) {
    for (std::int32_t ires = 1; ires <= 2; ++ires) {
        const count_result r = count(0.1f, 40.0f, 100.0f, 100.0f, 0.0f, 0.0f, 1, ires);
        EXPECT_EQ(r.ierr, 0);
        EXPECT_EQ(r.n, 2);
    }
}

}  // namespace
}  // namespace brantover
