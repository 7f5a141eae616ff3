// Response of the bandpass and the bandstop filter at one analysis frequency,
// from the poles of the normalized low-pass prototype.
//
// Every named value is a float; each formula is worked in double and rounded
// to float where it is stored, and the sums and products over the poles are
// rounded after every pole. The products are left to overflow to infinity far
// from the centre: the loss then reads minus infinity, which is what the
// report shows.
#include <cmath>
#include <cstdint>
#include <limits>

#include "filtermath/prototype_poles.hpp"

namespace brantover {

static_assert(std::numeric_limits<float>::is_iec559,
              "the losses far from the centre rely on IEEE overflow to infinity");

namespace {
double sq(double x) { return x * x; }
}  // namespace

response_row evaluate(float fi, const design_data& dd, const prototype_poles& pp) {
    const auto& p = pp.p;
    const auto& w = pp.w;
    const auto& b = pp.b;

    float phibpf = 0.0f, phibsf = 0.0f, tdbpf1 = 0.0f, tdbsf = 0.0f, tdlpf = 0.0f;
    float hbpf = 1.0f, hlpf = 1.0f, h1lpf = 1.0f;

    // Linear bandpass mapping: -1 and +1 at the band edges.
    const float wbyw1 =
        float((2.0 / double(dd.tembw)) * (double(fi) - double(dd.f0)) * (1.0 / double(dd.f0)));
    // The bandstop filter sees the reciprocal, very large at the centre.
    const float w1byw = wbyw1 == 0.0f ? 1e10f : float(1.0 / double(wbyw1));

    for (std::int32_t k = 1; k <= dd.n; ++k) {
        const float wwk = float(double(wbyw1) - double(w[k]));
        const float wwk1 = float(double(w[k]) + double(w1byw));
        const float sigma = float(double(b[k]) - double(p[k]));  // pole moved left by the loss
        phibpf = float(double(phibpf) + std::atan((1.0 / double(sigma)) * double(wwk)));
        phibsf = float(double(phibsf) + std::atan((1.0 / double(sigma)) * double(wwk1)));
        tdbpf1 = float(double(tdbpf1) + double(sigma) / (sq(sigma) + sq(wwk)));
        tdbsf = float(double(tdbsf) + double(sigma) / (sq(sigma) + sq(wwk1)));
        tdlpf = float(double(tdlpf) + double(sigma) / (sq(sigma) + sq(w[k])));
        hbpf = float(double(hbpf) * (sq(p[k]) + sq(wwk)));
        hlpf = float(double(hlpf) * (sq(p[k]) + sq(w[k])));
        h1lpf = float(double(h1lpf) * (sq(sigma) + sq(w[k])));
    }

    // Degrees; the bandpass phase lags above the centre.
    phibpf = float(-(double(phibpf) * 180.0 / double(pi)));
    phibsf = float(double(phibsf) * 180.0 / double(pi));

    // Nanoseconds (MHz bandwidth). The bandpass factor is 1000 only at f0.
    const float tdbpf =
        float(double(dd.dwdw) * 500.0 * (1.0 + sq(dd.f0) / sq(fi)) * double(tdbpf1));
    tdbsf = float(double(dd.dwdw) * 1000.0 * sq(w1byw) * double(tdbsf));

    // Lossless transmitted power, relative to normalized frequency 0.
    float z1 = float(double(hlpf) / double(hbpf));
    const float z0 = float(double(hlpf) / double(h1lpf));

    // An even-order Chebyshev prototype passes only 1/(1 + eps^2) at the centre.
    if (dd.n % 2 == 0 && dd.iop == 1) z1 = float(double(z1) * (1.0 / (1.0 + sq(pp.eps))));

    // Keep 1 - z1 above zero: the largest float below 1.
    if (z1 >= 0.99999994f) z1 = 0.99999994f;

    const float a0 = float(10.0 * std::log10(double(z0)));  // dissipation loss at the centre
    const float bsflos = float(10.0 * std::log10(1.0 - double(z1)));
    const float bpflos = float(10.0 * std::log10(double(z1)));

    // Dissipation loss here: the centre loss scaled by the delay ratio.
    const float e1 = tdlpf;
    const float temp = float((double(tdbpf1) / double(e1)) * double(a0));

    response_row r;
    r.fi = fi;
    r.bpfl = float(double(temp) + double(bpflos));
    r.bsfl = float(double(temp) + double(bsflos));
    r.fnorm = float(double(fi) / double(dd.f0));
    r.tdbpf = tdbpf;
    r.phibpf = phibpf;
    r.tdbsf = tdbsf;
    r.phibsf = phibsf;

    // Bandstop: the reflected power is the bandpass transmission, capped so
    // the VSWR stays near 999.
    float term = z1;
    if (term > 0.996005f) term = 0.996005f;
    r.bsfswr = float((1.0 + std::sqrt(double(term))) / (1.0 - std::sqrt(double(term))));
    if (r.bsfswr > 999.0f) r.bsfswr = 999.0f;
    r.bsrl = float(10.0 * std::log10(double(term)));

    // Bandpass: the same cap seen from the transmitted side, applied only now
    // so the losses and the bandstop values above keep the unfloored z1.
    if (z1 < 0.003995f) z1 = 0.003995f;
    r.bpfswr = float((1.0 + std::sqrt(1.0 - double(z1))) / (1.0 - std::sqrt(1.0 - double(z1))));
    if (r.bpfswr > 999.0f) r.bpfswr = 999.0f;
    r.bprl = float(10.0 * std::log10(1.0 - double(z1)));

    r.lambda = float(double(speed) / double(fi));
    return r;
}

}  // namespace brantover
