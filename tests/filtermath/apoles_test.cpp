#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace brantover {
namespace {

constexpr float untouched = 7.25f;

// A record still holding an earlier pass's values in every entry.
prototype_poles stale_record() {
    prototype_poles pp;
    pp.p.fill(untouched);
    pp.w.fill(untouched);
    pp.b.fill(untouched);
    pp.eps = untouched;
    return pp;
}

prototype_poles poles_of(std::int32_t iop, std::int32_t n, float ripple = 0.1f) {
    prototype_poles pp = stale_record();
    apoles(iop, n, pp, ripple, 0.05f, 1000.0f);
    return pp;
}

// Insertion loss of the lossless prototype at normalized frequency w, in dB.
double loss_at(const prototype_poles& pp, std::int32_t n, double w) {
    double num = 1.0, den = 1.0;
    for (std::int32_t k = 1; k <= n; ++k) {
        const std::complex<double> s(pp.p[k], pp.w[k]);
        num *= std::norm(s);
        den *= std::norm(std::complex<double>(0.0, w) - s);
    }
    return 10.0 * std::log10(den / num);
}

TEST(Apoles, ChebyshevHalfDecibelThirdOrder) {
    const prototype_poles pp = poles_of(1, 3, 0.5f);
    EXPECT_NEAR(pp.eps, 0.3493, 0.00005);
    // The classic 0.5 dB equal-ripple poles -0.3132 +- j1.0219 and -0.6265.
    EXPECT_NEAR(pp.p[1], -0.3132, 0.0001);
    EXPECT_NEAR(pp.p[3], -0.3132, 0.0001);
    EXPECT_NEAR(pp.w[1], 1.0219, 0.0001);
    EXPECT_NEAR(pp.w[3], -1.0219, 0.0001);
    EXPECT_NEAR(pp.p[2], -0.6265, 0.0001);
    // cos of pi/2 held in single precision, scaled by cosh(phi2): not zero.
    EXPECT_NEAR(pp.w[2], -5.15e-8, 0.01e-8);
    // The prototype's loss at the band edge is the ripple.
    EXPECT_NEAR(loss_at(pp, 3, 1.0), 0.5, 0.0001);
}

TEST(Apoles, ButterworthLowOrders) {
    const prototype_poles two = poles_of(2, 2);
    EXPECT_FLOAT_EQ(two.p[1], -0.70710678f);
    EXPECT_FLOAT_EQ(two.p[2], -0.70710678f);
    EXPECT_FLOAT_EQ(two.w[1], 0.70710678f);
    EXPECT_FLOAT_EQ(two.w[2], -0.70710678f);

    const prototype_poles three = poles_of(2, 3);
    EXPECT_FLOAT_EQ(three.p[1], -0.5f);
    EXPECT_FLOAT_EQ(three.w[1], 0.8660254f);
    EXPECT_FLOAT_EQ(three.p[3], -0.5f);
    EXPECT_FLOAT_EQ(three.w[3], -0.8660254f);
    EXPECT_EQ(three.p[2], -1.0f);
    EXPECT_FLOAT_EQ(three.w[2], -4.3711388e-8f);
    EXPECT_EQ(three.eps, untouched);
}

TEST(Apoles, SinglePole) {
    const prototype_poles butterworth = poles_of(2, 1);
    EXPECT_EQ(butterworth.p[1], -1.0f);
    EXPECT_FLOAT_EQ(butterworth.w[1], -4.3711388e-8f);

    const prototype_poles chebyshev = poles_of(1, 1, 0.1f);
    EXPECT_NEAR(chebyshev.eps, 0.15262, 0.000005);
    EXPECT_NEAR(chebyshev.p[1], -6.5522, 0.00005);  // -1/eps

    for (std::int32_t iop : {3, 4}) {
        const prototype_poles table = poles_of(iop, 1);
        EXPECT_EQ(table.p[1], -1.0f);
        EXPECT_EQ(table.w[1], 0.0f);
        EXPECT_EQ(table.b[1], 0.02f);
        EXPECT_EQ(table.p[2], untouched);
    }
}

TEST(Apoles, TableRowsForSecondOrder) {
    const prototype_poles bessel = poles_of(3, 2);
    EXPECT_EQ(bessel.p[1], -1.1060133f);
    EXPECT_EQ(bessel.p[2], -1.1060133f);
    EXPECT_EQ(bessel.w[1], 0.6360098f);
    EXPECT_EQ(bessel.w[2], -0.6360098f);

    const prototype_poles linear = poles_of(4, 2);
    EXPECT_EQ(linear.p[1], -1.0087f);
    EXPECT_EQ(linear.p[2], -1.0087f);
    EXPECT_EQ(linear.w[1], 0.6680f);
    EXPECT_EQ(linear.w[2], -0.6680f);
}

// Every table order: conjugate pairs, a real middle pole for odd orders, the
// 3 dB point at normalized frequency 1 (a misprinted digit or a wrong row
// moves it), and nothing written above n.
TEST(Apoles, TableOrdersAreConjugateAndNormalized) {
    for (std::int32_t iop : {3, 4}) {
        for (std::int32_t n = 2; n <= 10; ++n) {
            SCOPED_TRACE(::testing::Message() << "iop " << iop << " n " << n);
            const prototype_poles pp = poles_of(iop, n);
            for (std::int32_t k = 1; k <= n; ++k) {
                EXPECT_EQ(pp.p[k], pp.p[n + 1 - k]);
                EXPECT_EQ(pp.w[k], -pp.w[n + 1 - k]);
                EXPECT_LT(pp.p[k], 0.0f);
                EXPECT_EQ(pp.b[k], 0.02f);
            }
            if (n % 2 == 1) {
                EXPECT_EQ(pp.w[(n + 1) / 2], 0.0f);
            }
            // Every row but the second-order Bessel one (3.0003 dB) lands within
            // a thousandth of a dB of 3.0103.
            const double tol = iop == 3 && n == 2 ? 0.01 : 0.001;
            EXPECT_NEAR(loss_at(pp, n, 1.0), 3.0103, tol);
            EXPECT_EQ(pp.p[n + 1], untouched);
            EXPECT_EQ(pp.w[n + 1], untouched);
            EXPECT_EQ(pp.b[n + 1], untouched);
            EXPECT_EQ(pp.eps, untouched);
        }
    }
}

TEST(Apoles, TenthOrderTablesMirrorFiveLines) {
    const prototype_poles bessel = poles_of(3, 10);
    EXPECT_EQ(bessel.p[1], -0.8657569f);
    EXPECT_EQ(bessel.w[1], 2.292605f);
    EXPECT_EQ(bessel.p[5], -1.9276197f);
    EXPECT_EQ(bessel.w[5], 0.24162348f);
    EXPECT_EQ(bessel.p[6], -1.9276197f);
    EXPECT_EQ(bessel.w[6], -0.24162348f);
    EXPECT_EQ(bessel.w[10], -2.292605f);

    const prototype_poles linear = poles_of(4, 10);
    EXPECT_EQ(linear.p[5], -0.4777f);
    EXPECT_EQ(linear.w[5], 2.9128f);
    EXPECT_EQ(linear.p[6], -0.4777f);
    EXPECT_EQ(linear.w[6], -2.9128f);
}

TEST(Apoles, TwentiethOrderAngles) {
    const double angle_step = M_PI / 40.0;
    const prototype_poles butterworth = poles_of(2, 20);
    const prototype_poles chebyshev = poles_of(1, 20, 0.1f);
    for (std::int32_t k = 1; k <= 20; ++k) {
        SCOPED_TRACE(k);
        const double angle = (2 * k - 1) * angle_step;
        EXPECT_NEAR(butterworth.p[k], -std::sin(angle), 2e-7);
        EXPECT_NEAR(butterworth.w[k], std::cos(angle), 2e-7);
        if (k > 1) {
            EXPECT_LT(chebyshev.w[k], chebyshev.w[k - 1]);
        }
        EXPECT_LT(chebyshev.p[k], 0.0f);
    }
    // Even order: the band edge loses as much as normalized frequency 0, and
    // the transmission peaks lie a ripple below both.
    EXPECT_NEAR(loss_at(chebyshev, 20, 1.0), 0.0, 0.0001);
    EXPECT_NEAR(loss_at(chebyshev, 20, std::cos(angle_step)), -0.1, 0.0001);
}

TEST(Apoles, DissipationTermForEveryResponse) {
    for (std::int32_t iop = 1; iop <= 4; ++iop) {
        SCOPED_TRACE(iop);
        const prototype_poles pp = poles_of(iop, 5);
        for (std::int32_t k = 1; k <= 5; ++k) EXPECT_EQ(pp.b[k], 0.02f);
        for (std::int32_t k = 6; k <= 20; ++k) {
            EXPECT_EQ(pp.p[k], untouched);
            EXPECT_EQ(pp.w[k], untouched);
            EXPECT_EQ(pp.b[k], untouched);
        }
        if (iop == 1) {
            EXPECT_NE(pp.eps, untouched);
        } else {
            EXPECT_EQ(pp.eps, untouched);
        }
    }
}

TEST(Apoles, NoPoles) {
    const prototype_poles chebyshev = poles_of(1, 0, 0.1f);
    EXPECT_NEAR(chebyshev.eps, 0.15262, 0.000005);
    EXPECT_EQ(chebyshev.p[1], untouched);
    EXPECT_EQ(chebyshev.b[1], untouched);

    EXPECT_EQ(poles_of(2, 0).p[1], untouched);

    for (std::int32_t iop : {3, 4}) {
        const prototype_poles table = poles_of(iop, 0);
        EXPECT_EQ(table.p[1], -1.0f);
        EXPECT_EQ(table.w[1], 0.0f);
        EXPECT_EQ(table.b[1], untouched);
    }
}

TEST(Apoles, TableResponsesBeyondTenWriteOnlyTheFirstPole) {
    const prototype_poles pp = poles_of(3, 12);
    EXPECT_EQ(pp.p[1], -1.0f);
    EXPECT_EQ(pp.w[1], 0.0f);
    EXPECT_EQ(pp.p[2], untouched);
    EXPECT_EQ(pp.w[12], untouched);
    for (std::int32_t k = 1; k <= 12; ++k) EXPECT_EQ(pp.b[k], 0.02f);
    EXPECT_EQ(pp.b[13], untouched);
}

// A ripple beyond the single-precision range of 10^(ripple/10) makes eps
// infinite and puts the poles on the imaginary axis.
TEST(Apoles, ChebyshevRippleBeyondSinglePrecision) {
    const prototype_poles pp = poles_of(1, 4, 400.0f);
    EXPECT_TRUE(std::isinf(pp.eps));
    for (std::int32_t k = 1; k <= 4; ++k) {
        EXPECT_EQ(pp.p[k], 0.0f);
        EXPECT_NEAR(pp.w[k], std::cos((2 * k - 1) * M_PI / 8.0), 1e-7);
    }
}

}  // namespace
}  // namespace brantover
