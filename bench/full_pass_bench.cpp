// The full analysis pass, as a user runs it: 1,000,000 rows of a Chebyshev
// filter through the whole program, to a console on /dev/null and a storage
// file on disk, beside the evaluation of the same frequencies alone.
//
//   build/bench/brantover_bench --benchmark_filter='Pass'
//
// The band spans the whole sweep (1000 to 63499.9375 MHz in steps of 1/16 MHz, all
// exact in single precision), so every row holds ordinary in-band numbers.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench_filter.hpp"
#include "run/driver.hpp"

namespace {

using namespace brantover;

constexpr long rows = 1000000;

std::string temp_folder() {
    std::string templ =
        (std::filesystem::temp_directory_path() / "brantover-bench-XXXXXX").string();
    if (mkdtemp(templ.data()) == nullptr) std::abort();
    std::ofstream(templ + "/Brantover.DEF") << "bench\n1\n1\n1000\n50\n0.05\n1100\n40\n5\n1000\n"
                                               "900\n1100\n5\nbench.txt\n";
    return templ;
}

std::string answers(long n) {
    return "1\n1\n0.05\n32250\n62500\n1\n" + std::to_string(n) +
           "\n1000\n1000\n63499.9375\n0.0625\n1\n1\nbench.txt\n3\n";
}

void BM_FullPass(benchmark::State& state) {
    const std::string folder = temp_folder();
    std::ofstream console("/dev/null");
    for (auto _ : state) {
        std::istringstream in(answers(state.range(0)));
        std::ostringstream err;
        program_io io{in, console, err, [] { return date_time{2026, 12, 11, 12, 0, 0}; }, folder};
        if (run_program(io) != 0) state.SkipWithError("the run did not end normally");
    }
    state.SetItemsProcessed(state.iterations() * rows);
    std::filesystem::remove_all(folder);
}

// The same sweep with nothing written.
void BM_EvaluatePass(benchmark::State& state) {
    design_data dd = bench::chebyshev_filter(std::int32_t(state.range(0)), 32250.0f, 62500.0f);
    dd.fstart = 1000.0f;
    dd.fmax = 63499.9375f;
    dd.delf = 0.0625f;
    prototype_poles pp;
    for (auto _ : state) {
        long count = 0;
        sweep(dd, pp, [&](const response_row& r) {
            benchmark::DoNotOptimize(r);
            ++count;
            return true;
        });
        if (count != rows) state.SkipWithError("unexpected row count");
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(BM_EvaluatePass)->ArgName("n")->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullPass)->ArgName("n")->Arg(5)->Arg(20)->Unit(benchmark::kMillisecond);
