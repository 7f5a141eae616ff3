// Number of resonators needed for a skirt attenuation, on the ideal
// (lossless) prototype: equal-ripple attenuation for Chebyshev, maximally
// flat attenuation for every other response.
//
// Every named value is a float; each formula is worked in double and rounded
// to float where it is stored. Powers of 10 are held in single precision
// before 1 is taken off them.
#include <cmath>
#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace brantover {
namespace {

double sq(double x) { return x * x; }

// Inverse hyperbolic cosine in its logarithmic form.
double arcosh(double x) { return std::log(x + std::sqrt(sq(x) - 1.0)); }

// 10^(db/10) as a single-precision value.
float power_ratio(float db) { return float(std::pow(10.0, double(db) / 10.0)); }

// Rounds an exact count up, forgiving a thousandth, to at least 2. A count
// that is not a number or does not fit a 32-bit integer comes out as 2.
std::int32_t whole_count(float temp) {
    const float t = float(double(temp) + double(0.999f));
    std::int32_t n = 2;
    if (t >= -2147483648.0f && t < 2147483648.0f) n = std::int32_t(t);
    if (n <= 2) n = 2;
    return n;
}

}  // namespace

void nsectn(float am, float a1, float& a2, float fc, float f1, float fh1, float fl1,
            std::int32_t ides, std::int32_t& ierr, std::int32_t ires, std::int32_t& n) {
    ierr = 0;

    // Skirt frequency on the low-pass prototype. An unknown design code maps
    // nowhere and is refused below like a skirt frequency at the centre.
    float freq = 0.0f;
    if (ides == 1) {
        freq = float(double(f1) / double(fc));
    } else if (ides == 2) {
        freq = float(double(fc) / double(f1));
    } else if (ides == 3 || ides == 4) {
        // Geometric bandpass mapping about the geometric centre of the edges.
        const float fo = float(std::sqrt(double(fh1) * double(fl1)));
        const float fbw = float((double(fh1) - double(fl1)) / double(fo));
        freq = float(((double(f1) / double(fo)) - (double(fo) / double(f1))) / double(fbw));
        freq = float(std::fabs(double(freq)));
        if (ides == 4) freq = float(1.0 / double(freq));
    }

    if (!(a1 > am)) {
        ierr = 1;
        return;
    }
    if (freq <= 0.0f) {
        ierr = 1;
        return;
    }

    float tp = 0.0f;
    float temp = 0.0f;
    if (ires == 1) {
        tp = float(double(power_ratio(am)) - 1.0);  // eps squared
        temp = float(std::sqrt((double(power_ratio(a1)) - 1.0) / double(tp)));
        if (freq >= 1.0f) {
            temp = float(arcosh(double(temp)) / arcosh(double(freq)));
        } else {
            // Inside the band an equal-ripple response never exceeds the
            // ripple, so this quotient is not a number and the count becomes 2.
            temp = float(std::acos(double(temp)) / std::acos(double(freq)));
        }
    } else {
        temp = float(std::log(double(power_ratio(a1)) - 1.0) / (2.0 * std::log(double(freq))));
    }

    n = whole_count(temp);
    const float rn = float(n);

    if (ires == 1) {
        if (freq >= 1.0f) {
            a2 = float(10.0 * std::log10(1.0 + double(tp) * sq(std::cosh(double(rn) *
                                                                         arcosh(double(freq))))));
        } else {
            a2 = float(10.0 * std::log10(1.0 + double(tp) * sq(std::cos(double(rn) *
                                                                        std::acos(double(freq))))));
        }
    } else {
        a2 = float(10.0 * std::log10(1.0 + std::pow(double(freq), 2.0 * double(rn))));
    }
}

}  // namespace brantover
