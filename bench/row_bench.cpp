// Rendering of report rows alone: the cost a row adds to its evaluation
// before anything is written.
#include <benchmark/benchmark.h>

#include "report/report_row.hpp"

namespace {

using namespace brantover;

void BM_RenderRow(benchmark::State& state) {
    char line[row_room];
    float fi = 1000.0f;
    for (auto _ : state) {
        const std::array<float, 7> values{fi,           11802.851f / fi,     -0.57f - fi * 1e-5f,
                                          20.89f,       -37.6f + fi * 1e-3f, 1.199f,
                                          fi / 32250.0f};
        benchmark::DoNotOptimize(render_row<one_filter_row>(line, values).data());
        fi += 0.0625f;
        if (fi > 63000.0f) fi = 1000.0f;
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_RenderRow);
