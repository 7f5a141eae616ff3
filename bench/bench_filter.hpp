// The Chebyshev 0.05 dB filter of the benchmarks, set up the way the design
// dialogue leaves it.
#pragma once

#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace brantover::bench {

inline design_data chebyshev_filter(std::int32_t n, float f0, float bw) {
    design_data dd;
    dd.iselect = 1;
    dd.iop = 1;
    dd.ripple = 0.05f;
    dd.f0 = f0;
    dd.flow = float(double(f0) - double(0.5f) * double(bw));
    dd.fhigh = float(double(f0) + double(0.5f) * double(bw));
    dd.bw = float(double(dd.fhigh) - double(dd.flow));
    dd.n = n;
    dd.qu = 1000.0f;
    dd.tembw = float(double(dd.bw) / double(dd.f0));
    dd.dwdw = float(1.0 / (double(dd.bw) * double(pi)));
    return dd;
}

}  // namespace brantover::bench
