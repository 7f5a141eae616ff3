// Rows per second of the response at one frequency, for a small and for the
// largest filter.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench_filter.hpp"

namespace {

using namespace brantover;

void BM_Evaluate(benchmark::State& state) {
    // 1000 MHz, 50 MHz wide.
    const design_data dd = bench::chebyshev_filter(std::int32_t(state.range(0)), 1000.0f, 50.0f);
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
