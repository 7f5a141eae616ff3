// Rendering of report rows alone: the cost a row adds to its evaluation
// before anything is written.
#include <benchmark/benchmark.h>

#include <string>

#include "report/report_columns.hpp"
#include "report/text_fields.hpp"

namespace {

using namespace brantover;

void BM_RenderRow(benchmark::State& state) {
    std::string out;
    float fi = 1000.0f;
    for (auto _ : state) {
        out.clear();
        const std::array<float, 7> values{fi, 11802.851f / fi, -0.57f - fi * 1e-5f, 20.89f,
                                          -37.6f + fi * 1e-3f, 1.199f, fi / 32250.0f};
        render_row(out, one_filter_row, values);
        benchmark::DoNotOptimize(out.data());
        fi += 0.0625f;
        if (fi > 63000.0f) fi = 1000.0f;
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_RenderRow);
