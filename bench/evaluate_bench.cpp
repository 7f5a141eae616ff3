// Rows per second of the response at one frequency, for a small and for the
// largest filter.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "filtermath/prototype_poles.hpp"

namespace {

using namespace brantover;

// Chebyshev 0.05 dB, 1000 MHz, 50 MHz wide, unloaded Q 1000, set up as the
// design dialogue leaves it.
design_data chebyshev_filter(std::int32_t n) {
    design_data dd;
    dd.iselect = 3;
    dd.iop = 1;
    dd.ripple = 0.05f;
    dd.f0 = 1000.0f;
    dd.flow = float(double(dd.f0) - double(0.5f) * 50.0);
    dd.fhigh = float(double(dd.f0) + double(0.5f) * 50.0);
    dd.bw = float(double(dd.fhigh) - double(dd.flow));
    dd.n = n;
    dd.qu = 1000.0f;
    dd.tembw = float(double(dd.bw) / double(dd.f0));
    dd.dwdw = float(1.0 / (double(dd.bw) * double(pi)));
    return dd;
}

void BM_Evaluate(benchmark::State& state) {
    const design_data dd = chebyshev_filter(std::int32_t(state.range(0)));
    prototype_poles pp;
    apoles(dd.iop, dd.n, pp, dd.ripple, dd.tembw, dd.qu);
    // Walk 900..1100 MHz, passband and both skirts, so every branch is taken.
    float fi = 900.0f;
    for (auto _ : state) {
        response_row r = evaluate(fi, dd, pp);
        benchmark::DoNotOptimize(r);
        fi += 0.37f;
        if (fi > 1100.0f) fi = 900.0f;
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_Evaluate)->ArgName("n")->Arg(5)->Arg(20);
