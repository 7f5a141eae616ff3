// A filter set up the way the design dialogue leaves it: band edges from the
// centre and the bandwidth, the bandwidth recomputed from the edges, then the
// two derived values, each held as a float.
#pragma once

#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace brantover::testing {

inline design_data make_filter(std::int32_t iselect, std::int32_t iop, float ripple, float f0,
                               float bw, std::int32_t n, float qu) {
    design_data dd;
    dd.iselect = iselect;
    dd.iop = iop;
    dd.ripple = ripple;
    dd.f0 = f0;
    dd.flow = float(double(f0) - double(0.5f) * double(bw));
    dd.fhigh = float(double(f0) + double(0.5f) * double(bw));
    dd.bw = float(double(dd.fhigh) - double(dd.flow));
    dd.n = n;
    dd.qu = qu;
    dd.tembw = float(double(dd.bw) / double(dd.f0));
    dd.dwdw = float(1.0 / (double(dd.bw) * double(pi)));
    return dd;
}

inline design_data with_range(design_data dd, float fstart, float fmax, float delf) {
    dd.fstart = fstart;
    dd.fmax = fmax;
    dd.delf = delf;
    return dd;
}

}  // namespace brantover::testing
