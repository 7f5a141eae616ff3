#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "filter_setup.hpp"
#include "filtermath/prototype_poles.hpp"

namespace brantover {
namespace {

using testing::make_filter;
using testing::with_range;

std::vector<response_row> run_sweep(const design_data& dd, prototype_poles& pp) {
    std::vector<response_row> rows;
    sweep(dd, pp, [&rows](const response_row& r) {
        rows.push_back(r);
        return true;
    });
    return rows;
}

// The frequency is accumulated by float additions of the step, so the row
// count and the last frequency carry the sums' rounding.
TEST(Sweep, RowsOfTheAccumulatedFrequency) {
    struct row {
        float fstart, fmax, delf;
        std::size_t rows;
        float last;
    };
    const row rows[] = {
        {1.0f, 2.0f, 0.1f, 10, 1.9000002f},             // the eleventh sum is just above 2
        {1000.0f, 1100.0f, 0.1f, 1001, 1099.9755859f},  // short of 1100 by the rounding
        {1000.0f, 1000.05f, 0.1f, 1, 1000.0f},          // the first row is always written
        {100000.0f, 100010.0f, 0.001f, 1, 100000.0f},   // a step too small to move fi
    };
    for (const row& c : rows) {
        SCOPED_TRACE(::testing::Message() << c.fstart << " to " << c.fmax << " by " << c.delf);
        const design_data dd = with_range(make_filter(1, 2, 0.0f, 1000.0f, 100.0f, 3, 1000.0f),
                                          c.fstart, c.fmax, c.delf);
        prototype_poles pp;
        const std::vector<response_row> out = run_sweep(dd, pp);
        ASSERT_EQ(out.size(), c.rows);
        EXPECT_EQ(out.front().fi, c.fstart);
        EXPECT_EQ(out.back().fi, c.last);
    }
}

// The sweep forms the poles itself, so a record left over from another
// filter does not leak into the rows.
TEST(Sweep, FormsThePolesBeforeTheFirstRow) {
    const design_data dd =
        with_range(make_filter(1, 1, 0.1f, 1000.0f, 100.0f, 4, 1000.0f), 900.0f, 1100.0f, 25.0f);
    prototype_poles fresh;
    apoles(dd.iop, dd.n, fresh, dd.ripple, dd.tembw, dd.qu);

    prototype_poles stale;
    stale.p.fill(-3.0f);
    stale.w.fill(0.5f);
    stale.b.fill(0.3f);
    stale.eps = 2.0f;
    const std::vector<response_row> out = run_sweep(dd, stale);
    ASSERT_EQ(out.size(), 9u);
    for (const response_row& r : out) {
        SCOPED_TRACE(r.fi);
        const response_row e = evaluate(r.fi, dd, fresh);
        EXPECT_EQ(r.bpfl, e.bpfl);
        EXPECT_EQ(r.phibsf, e.phibsf);
        EXPECT_EQ(r.tdbpf, e.tdbpf);
    }
    EXPECT_EQ(stale.eps, fresh.eps);
}

TEST(Sweep, WriterCanStopTheSweep) {
    const design_data dd =
        with_range(make_filter(1, 2, 0.0f, 1000.0f, 100.0f, 3, 1000.0f), 900.0f, 1100.0f, 10.0f);
    prototype_poles pp;
    std::int32_t calls = 0;
    sweep(dd, pp, [&calls](const response_row&) { return ++calls < 3; });
    EXPECT_EQ(calls, 3);
}

}  // namespace
}  // namespace brantover
