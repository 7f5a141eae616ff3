// The normalized low-pass prototype of a filter, the resonator count for a
// skirt attenuation, and the frequency-by-frequency response.
#pragma once

#include <array>
#include <cstdint>

#include "run/design_data.hpp"

namespace brantover {

// Pole k is p[k] + j w[k] with dissipation term b[k], k = 1..20; index 0 is
// unused so that the code reads like the pole formulas.
struct prototype_poles {
    std::array<float, 21> p{};
    std::array<float, 21> w{};
    std::array<float, 21> b{};
    float eps = 0.0f;  // Chebyshev ripple factor
};

// Everything shown for one analysis frequency.
struct response_row {
    float fi = 0.0f;      // MHz
    float lambda = 0.0f;  // inches
    float bpfl = 0.0f, tdbpf = 0.0f, phibpf = 0.0f, bpfswr = 0.0f, bprl = 0.0f;
    float bsfl = 0.0f, tdbsf = 0.0f, phibsf = 0.0f, bsfswr = 0.0f, bsrl = 0.0f;
    float fnorm = 0.0f;  // F/Fo
};

// The Chebyshev ripple factor eps = sqrt(10^|ripple/10| - 1), the power
// taken in single precision. It is 0 for a ripple too small to move the
// power off 1.
float chebyshev_eps(float ripple);

// Forms poles 1..n of the prototype, their dissipation terms and, for the
// Chebyshev response, eps. Entries above n are left as they were.
void apoles(std::int32_t iop, std::int32_t n, prototype_poles& pp, float ripple, float tembw,
            float qu);

// Number of resonators needed for attenuation a1 at skirt frequency f1, and
// the attenuation a2 it achieves. ierr = 1 (n and a2 untouched) when a1 does
// not exceed the ripple am or the skirt frequency maps to zero.
void nsectn(float am, float a1, float& a2, float fc, float f1, float fh1, float fl1,
            std::int32_t ides, std::int32_t& ierr, std::int32_t ires, std::int32_t& n);

// The response of the filter at one frequency.
response_row evaluate(float fi, const design_data& dd, const prototype_poles& pp);

// Forms the poles, then hands one row per analysis frequency to write_row, as
// soon as it is evaluated: fi runs from fstart by float additions of delf
// while fi <= fmax. A step that no longer moves the frequency ends the sweep
// after that frequency's row. write_row returns false to stop the sweep (the
// program is ending).
template <typename RowWriter>
void sweep(const design_data& dd, prototype_poles& pp, RowWriter&& write_row) {
    apoles(dd.iop, dd.n, pp, dd.ripple, dd.tembw, dd.qu);
    float fi = dd.fstart;
    for (;;) {
        if (!write_row(evaluate(fi, dd, pp))) return;
        const float next = fi + dd.delf;
        if (next == fi) return;
        fi = next;
        if (!(fi <= dd.fmax)) return;
    }
}

}  // namespace brantover
