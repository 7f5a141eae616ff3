// Whole sessions compared byte for byte with transcripts kept beside the
// tests. BRANTOVER_WRITE_TRANSCRIPTS=1 writes the transcripts anew from the
// program; every line of a rewritten transcript must be read again before it
// is committed.
#include <cstdlib>

#include "program_fixture.hpp"

namespace brantover::testing {
namespace {

const std::filesystem::path transcripts =
    std::filesystem::path(BRANTOVER_TEST_DIR) / "run" / "transcripts";

struct TranscriptTest : work_folder {
    void expect_transcript(const std::string& name, const std::string& actual) {
        const std::filesystem::path golden = transcripts / name;
        if (std::getenv("BRANTOVER_WRITE_TRANSCRIPTS") != nullptr) write_file(golden, actual);
        ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
        EXPECT_EQ(actual, read_file(golden)) << "differs from " << golden;
    }
};

// The shipped example, every question answered with an empty line, stored
// under the default name.
TEST_F(TranscriptTest, BandpassChebyshevWithVswrStoredUnderTheDefaultName) {
    const run_result r = play(lines({"", "", "", "", "", "", "", "", "", "", "", "", "1", "", ""}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    expect_transcript("bandpass_chebyshev_vswr.txt", r.out);
    expect_transcript("bandpass_chebyshev_vswr.filter.txt", file("filter.txt"));
}

// Bandstop Butterworth counted from a skirt attenuation, with return loss;
// a re-run with VSWR; then a new filter of both designs with the Bessel
// response.
TEST_F(TranscriptTest, BandstopButterworthRerunThenBothDesignsBessel) {
    const run_result r =
        play(lines({"2",   "2",    "1000", "100", "2", "1200", "40",
                    "500",                              // bandstop Butterworth, method 2
                    "800", "1200", "25",   "2",   "",   // return loss, not stored
                    "1",                                // re-run
                    "950", "1050", "10",   "1",   "0",  // VSWR
                    "2",                                // new filter
                    "3",   "3",    "750",  "500", "1", "5",    "2000",  // both designs, Bessel
                    "400", "1100", "100",  "2",                         // no format question
                    "3"}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    expect_transcript("bandstop_butterworth_rerun_bessel_both.txt", r.out);
}

// Linear phase with ten resonators and return loss.
TEST_F(TranscriptTest, BandpassLinearPhaseWithReturnLoss) {
    const run_result r = play(
        lines({"1", "4", "2000", "200", "1", "10", "250", "1700", "2300", "50", "2", "2", "3"}));
    EXPECT_EQ(r.status, 0);
    expect_transcript("bandpass_linear_phase_return_loss.txt", r.out);
}

// Both designs with the Chebyshev response, stored under a name of the user.
TEST_F(TranscriptTest, BothDesignsChebyshevStored) {
    const run_result r = play(lines({"3", "1", "0.1", "1000", "100", "1", "4", "1e9", "900", "1100",
                                     "20", "1", "both.txt", ""}));
    EXPECT_EQ(r.status, 0);
    expect_transcript("both_chebyshev.txt", r.out);
    expect_transcript("both_chebyshev.both.txt", file("both.txt"));
}

}  // namespace
}  // namespace brantover::testing
