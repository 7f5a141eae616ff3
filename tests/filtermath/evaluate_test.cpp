#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <span>

#include "filter_setup.hpp"
#include "filtermath/prototype_poles.hpp"

namespace brantover {
namespace {

using testing::make_filter;

struct expected_value {
    float fi;
    const char* name;
    float response_row::*field;
    double value;
    double tol;  // half a unit of the last digit given
};

void check(const design_data& dd, std::span<const expected_value> cases) {
    prototype_poles pp;
    apoles(dd.iop, dd.n, pp, dd.ripple, dd.tembw, dd.qu);
    for (const expected_value& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.fi << " MHz " << c.name);
        const response_row r = evaluate(c.fi, dd, pp);
        EXPECT_EQ(r.fi, c.fi);
        EXPECT_NEAR(r.*c.field, c.value, c.tol);
    }
}

// Butterworth, 3 resonators, 1000 MHz, 100 MHz wide, unloaded Q 1000.
TEST(Evaluate, ButterworthThirdOrder) {
    const design_data dd = make_filter(1, 2, 0.0f, 1000.0f, 100.0f, 3, 1000.0f);
    using R = response_row;
    static const expected_value cases[] = {
        {1000.0f, "lambda", &R::lambda, 11.8, 0.05},
        {1000.0f, "bpfl", &R::bpfl, -0.17, 0.005},  // the centre dissipation loss
        {1000.0f, "tdbpf", &R::tdbpf, 6.37, 0.005},
        {1000.0f, "bpfswr", &R::bpfswr, 1.0, 0.0005},
        {1000.0f, "bprl", &R::bprl, -72.2, 0.05},
        {1000.0f, "bsfl", &R::bsfl, -72.4, 0.05},
        {1000.0f, "tdbsf", &R::tdbsf, 6.46, 0.005},
        {1000.0f, "phibsf", &R::phibsf, 270.0, 0.005},
        {1000.0f, "bsfswr", &R::bsfswr, 999.0, 0.0},
        {1000.0f, "bsrl", &R::bsrl, -0.02, 0.005},
        {1000.0f, "fnorm", &R::fnorm, 1.0, 0.0},
        {950.0f, "bpfl", &R::bpfl, -3.22, 0.005},
        {950.0f, "tdbpf", &R::tdbpf, 8.29, 0.005},
        {950.0f, "phibpf", &R::phibpf, 134.0, 0.5},
        {950.0f, "bpfswr", &R::bpfswr, 5.83, 0.005},
        {950.0f, "bprl", &R::bprl, -3.01, 0.005},
        {1050.0f, "bpfl", &R::bpfl, -3.22, 0.005},
        {1050.0f, "tdbpf", &R::tdbpf, 7.50, 0.005},
        {1050.0f, "phibpf", &R::phibpf, -134.0, 0.5},
        {800.0f, "bpfl", &R::bpfl, -36.1, 0.05},
        {800.0f, "bpfswr", &R::bpfswr, 999.0, 0.0},
        {800.0f, "bprl", &R::bprl, -0.02, 0.005},
        {800.0f, "bsfl", &R::bsfl, -0.01, 0.005},
        {800.0f, "bsfswr", &R::bsfswr, 1.03, 0.005},
        {800.0f, "fnorm", &R::fnorm, 0.8, 0.0000001},
    };
    check(dd, cases);
}

// Chebyshev 0.1 dB, 4 resonators, dissipation negligible: an even order loses
// the ripple at the centre.
TEST(Evaluate, ChebyshevFourthOrder) {
    const design_data dd = make_filter(1, 1, 0.1f, 1000.0f, 100.0f, 4, 1e9f);
    using R = response_row;
    static const expected_value cases[] = {
        {1000.0f, "bpfl", &R::bpfl, -0.10, 0.005},    {1000.0f, "bprl", &R::bprl, -16.4, 0.05},
        {1000.0f, "bpfswr", &R::bpfswr, 1.36, 0.005}, {950.0f, "bpfl", &R::bpfl, -0.10, 0.005},
        {1050.0f, "bpfl", &R::bpfl, -0.10, 0.005},
    };
    check(dd, cases);
}

// The 1/(1 + eps^2) loss belongs to even-order Chebyshev filters only.
TEST(Evaluate, CentreLossOfLosslessFilters) {
    struct row {
        std::int32_t iop, n;
        double bpfl;
    };
    const row rows[] = {{1, 4, -0.1}, {1, 2, -0.1}, {1, 3, 0.0}, {2, 4, 0.0}, {3, 4, 0.0}};
    for (const row& c : rows) {
        SCOPED_TRACE(::testing::Message() << "iop " << c.iop << " n " << c.n);
        const design_data dd = make_filter(1, c.iop, 0.1f, 1000.0f, 100.0f, c.n, 1e9f);
        prototype_poles pp;
        apoles(dd.iop, dd.n, pp, dd.ripple, dd.tembw, dd.qu);
        EXPECT_NEAR(evaluate(1000.0f, dd, pp).bpfl, c.bpfl, 0.0005);
    }
}

// At the centre the bandstop frequency is 1e10: each pole adds a quarter turn
// and the delay stays finite.
TEST(Evaluate, BandstopAtTheCentre) {
    for (std::int32_t n : {1, 2, 7, 20}) {
        SCOPED_TRACE(n);
        const design_data dd = make_filter(2, 1, 0.05f, 1000.0f, 50.0f, n, 1000.0f);
        prototype_poles pp;
        apoles(dd.iop, dd.n, pp, dd.ripple, dd.tembw, dd.qu);
        const response_row r = evaluate(1000.0f, dd, pp);
        EXPECT_NEAR(r.phibsf, 90.0 * n, 0.005);
        EXPECT_TRUE(std::isfinite(r.tdbsf));
        EXPECT_GT(r.tdbsf, 0.0f);
    }
}

// Far from the centre the product of 20 pole distances passes the
// single-precision range: the lossless bandpass transmission is 0.
TEST(Evaluate, TwentyResonatorsFarFromTheCentre) {
    const design_data dd = make_filter(3, 2, 0.0f, 1000.0f, 10.0f, 20, 1000.0f);
    prototype_poles pp;
    apoles(dd.iop, dd.n, pp, dd.ripple, dd.tembw, dd.qu);

    EXPECT_NEAR(evaluate(1040.0f, dd, pp).bpfl, -361.0, 0.5);

    const response_row r = evaluate(1050.0f, dd, pp);
    EXPECT_TRUE(std::isinf(r.bpfl) && r.bpfl < 0.0f);
    EXPECT_TRUE(std::isinf(r.bsrl) && r.bsrl < 0.0f);
    EXPECT_EQ(r.bpfswr, 999.0f);
    EXPECT_NEAR(r.bprl, -0.0174, 0.00005);  // 10 log10(0.996005)
    EXPECT_EQ(r.bsfswr, 1.0f);
    // The bandstop loss is the dissipation term alone: finite, a fraction of a dB.
    EXPECT_TRUE(std::isfinite(r.bsfl));
    EXPECT_LT(r.bsfl, 0.0f);
    EXPECT_GT(r.bsfl, -1.0f);
    // Phase and delay come from sums, not the product, and stay finite.
    EXPECT_TRUE(std::isfinite(r.phibpf));
    EXPECT_TRUE(std::isfinite(r.tdbpf));
}

}  // namespace
}  // namespace brantover
