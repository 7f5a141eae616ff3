// The design and analysis dialogues, answer by answer, on the values they
// leave in design_data.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "run/dialogues.hpp"

namespace brantover {
namespace {

default_data example_defaults() {
    default_data def;
    def.iselectdef = 1;
    def.iopdef = 1;
    def.f0def = 1000.0f;
    def.bwdef = 50.0f;
    def.rippledef = 0.05f;
    def.f1def = 1100.0f;
    def.a1def = 40.0f;
    def.ndef = 5;
    def.qudef = 1000.0f;
    def.fstartdef = 900.0f;
    def.fmaxdef = 1100.0f;
    def.delfdef = 5.0f;
    def.fndef = make_text20("filter.txt");
    return def;
}

struct dialogue {
    std::istringstream in;
    std::ostringstream out, err;
    session s;
    default_data def = example_defaults();
    design_data dd;

    explicit dialogue(const std::string& answers) : in(answers) {
        s.con = make_console(out);
        s.err = make_console(err);
        s.answers = stream_source(in);
    }
    bool design() {
        const bool ok = design_dialogue(s, def, dd);
        flush(s.con);
        return ok;
    }
    bool analysis() {
        const bool ok = analysis_dialogue(s, def, dd);
        flush(s.con);
        return ok;
    }
    bool printed(const std::string& piece) const {
        return out.str().find(piece) != std::string::npos;
    }
};

std::string answers(std::initializer_list<const char*> list) {
    std::string s;
    for (const char* a : list) s += std::string(a) + "\n";
    return s;
}

TEST(DesignDialogue, DesignAnswersOutOfRangeTakeTheDefault) {
    struct choice {
        const char* answer;
        std::int32_t iselect;
        const char* bporbs;
    };
    for (const choice& c : {choice{"0", 1, "Bandpass"},
                            {"", 1, "Bandpass"},
                            {"4", 1, "Bandpass"},
                            {"-1", 1, "Bandpass"},
                            {"2.6", 3, "BP & BS"},
                            {"2", 2, "Bandstop"},
                            {"1.5", 2, "Bandstop"},
                            {"nan", 1, "Bandpass"}}) {
        dialogue d(answers({c.answer, "2", "", "", "", "", ""}));
        ASSERT_TRUE(d.design()) << c.answer;
        EXPECT_EQ(d.dd.iselect, c.iselect) << c.answer;
        EXPECT_EQ(view(d.dd.bporbs), view(make_text20(c.bporbs))) << c.answer;
    }
}

TEST(DesignDialogue, ResponseAndRipple) {
    {
        dialogue d(answers({"", "5", "-0.1", "", "", "", "", ""}));  // response 5 takes iopdef
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.iop, 1);
        EXPECT_EQ(d.dd.ripple, 0.05f);  // -0.1 takes rippledef
    }
    {
        dialogue d(answers({"", "", "1e-8", "", "", "", "", ""}));  // no ripple factor
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.ripple, 0.05f);
    }
    {
        dialogue d(answers({"", "", "0.5", "", "", "", "", ""}));
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.ripple, 0.5f);
    }
    for (const char* response : {"2", "3", "4"}) {
        dialogue d(answers({"", response, "", "", "", "", ""}));
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.ripple, 3.0f);
        EXPECT_FALSE(d.printed("RIPPLE")) << response;
    }
}

TEST(DesignDialogue, BandAndDerivedValues) {
    {
        dialogue d(answers({"", "2", "0.0001", "0.0001", "", "", ""}));  // not above 0.0001
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.f0, 1000.0f);
        EXPECT_EQ(d.dd.bw, 50.0f);
        EXPECT_TRUE(d.printed("-Desired Bandwidth for Filter    =   5.00 %\r\n"));
    }
    {
        dialogue d(answers({"", "2", "0.00011", "2000", "", "", ""}));  // wider than f0
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.f0, 0.00011f);
        EXPECT_TRUE(d.printed("= ****** %\r\n"));
    }
    {
        dialogue d(answers({"", "2", "1000", "333.3", "", "", "0.1"}));
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.flow, float(1000.0 - 0.5 * double(333.3f)));
        EXPECT_EQ(d.dd.fhigh, float(1000.0 + 0.5 * double(333.3f)));
        EXPECT_EQ(d.dd.bw, float(double(d.dd.fhigh) - double(d.dd.flow)));  // from the edges
        EXPECT_EQ(d.dd.tembw, float(double(d.dd.bw) / 1000.0));
        EXPECT_EQ(d.dd.dwdw, float(1.0 / (double(d.dd.bw) * double(3.1415927f))));
        EXPECT_EQ(d.dd.qu, 1000.0f);  // exactly 0.1 takes qudef
        EXPECT_TRUE(d.printed("=  33.33 %\r\n"));
    }
    {
        dialogue d(answers({"", "2", "", "", "", "", "0.2"}));
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.qu, 0.2f);
    }
}

TEST(DesignDialogue, ResonatorCountEnteredDirectly) {
    struct count {
        const char* method;
        const char* n;
        std::int32_t expected;
    };
    for (const count& c : {count{"1", "1", 1},
                           {"1", "20", 20},
                           {"0", "7", 7},
                           {"3", "7", 7},
                           {"", "", 5},
                           {"1", "0", 5},
                           {"1", "-3", 5},
                           {"1", "19.5", 20}}) {
        dialogue d(answers({"", "2", "", "", c.method, c.n, ""}));
        ASSERT_TRUE(d.design()) << c.n;
        EXPECT_EQ(d.dd.ifunc, 1);
        EXPECT_EQ(d.dd.n, c.expected) << c.n;
        EXPECT_FALSE(d.printed("ERROR")) << c.n;
    }
}

const char* limit_20 =
    "\r\n\r\n"
    "         ERROR: Number of Poles in Filter cannot exceed N = 20.\r\n"
    "         Please re-enter Number of Poles in Filter.\r\n"
    "\r\n"
    "          -Select METHOD for entering Number of Resonators: N\r\n";

TEST(DesignDialogue, MoreThanTwentyResonatorsAreRefusedAndTheMethodIsAskedAgain) {
    for (const char* n : {"21", "20.5", "1e30", "inf"}) {
        dialogue d(answers({"", "2", "", "", "1", n, "2", "1100", "40", ""}));
        ASSERT_TRUE(d.design()) << n;
        EXPECT_TRUE(d.printed(std::string("Number of Resonators/Poles, N   = ") + limit_20)) << n;
        EXPECT_EQ(d.dd.ifunc, 2);  // the second method was chosen at the repeated question
        EXPECT_EQ(d.dd.n, 4);      // 40 dB at 1100 MHz with the band 975 to 1025
    }
    // A default above 20 is refused in the same way: the user must type a number.
    dialogue d(answers({"", "2", "", "", "", "", "1", "6", ""}));
    d.def.ndef = 25;
    ASSERT_TRUE(d.design());
    EXPECT_TRUE(d.printed(limit_20));
    EXPECT_EQ(d.dd.n, 6);
}

TEST(DesignDialogue, BesselAndLinearPhaseStopAtTenResonators) {
    for (const char* response : {"3", "4"}) {
        dialogue d(answers({"", response, "", "", "1", "11", "1", "10", ""}));
        ASSERT_TRUE(d.design());
        EXPECT_TRUE(
            d.printed("\r\n\r\n"
                      "         ERROR: Number of Poles in Filter cannot exceed N = 10.\r\n"
                      "         Please re-enter Number of Poles in Filter.\r\n\r\n"));
        EXPECT_FALSE(d.printed("N = 20."));
        EXPECT_EQ(d.dd.n, 10);
    }
    // Butterworth keeps 20.
    dialogue d(answers({"", "2", "", "", "1", "11", ""}));
    ASSERT_TRUE(d.design());
    EXPECT_EQ(d.dd.n, 11);
}

TEST(DesignDialogue, ResonatorCountFromTheSkirtAttenuation) {
    {
        // Butterworth, band 950 to 1050, 40 dB at 1100 MHz.
        dialogue d(answers({"", "2", "1000", "100", "2", "1100", "-40", ""}));
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.f1, 1100.0f);
        EXPECT_EQ(d.dd.fc, 1050.0f);
        EXPECT_EQ(d.dd.a1, 40.0f);  // -40 taken as 40
        EXPECT_EQ(d.dd.ides, 3);
        EXPECT_EQ(d.dd.n, 7);
        EXPECT_TRUE(
            d.printed("=           -Number of Resonators (N) needed = 7\r\n"
                      "          -Skirt Attenuation (A1) achieved =  40.0 dB\r\n"
                      "          -Unloaded Q in each Resonator    = "));
    }
    {
        // A skirt frequency on the band edge, or inside, takes f1def; below
        // the band the lower edge is the cut-off.
        dialogue d(answers({"2", "2", "1000", "100", "2", "950", "40", ""}));
        d.def.f1def = 900.0f;
        ASSERT_TRUE(d.design());
        EXPECT_EQ(d.dd.f1, 900.0f);
        EXPECT_EQ(d.dd.fc, 950.0f);
        EXPECT_EQ(d.dd.ides, 4);
        EXPECT_EQ(d.dd.n, 2);
    }
    {
        // A count above 20 is shown, then refused.
        dialogue d(answers({"", "2", "1000", "100", "2", "1050.5", "20", "1", "4", ""}));
        ASSERT_TRUE(d.design());
        EXPECT_TRUE(
            d.printed("-Number of Resonators (N) needed =**\r\n"
                      "          -Skirt Attenuation (A1) achieved =  20.0 dB\r\n"
                      "\r\n\r\n         ERROR: Number of Poles in Filter cannot exceed N = 20."));
        EXPECT_EQ(d.dd.n, 4);
    }
}

TEST(DesignDialogue, AFailedResonatorCountLeadsBackToTheMethodQuestion) {
    // Butterworth: 3 dB or less at the skirt cannot be asked for.
    dialogue d(answers({"", "2", "1000", "100", "2", "1100", "3", "1", "4", ""}));
    ASSERT_TRUE(d.design());
    EXPECT_TRUE(
        d.printed("Attenuation at Skirt Frequency, dB = \r\n"
                  "\r\n"
                  "     Error in processing Number of Resonators. Re-start Brantover.\r\n"
                  "     N =  0     A2 =   0.00 dB\r\n"
                  "          -Select METHOD for entering Number of Resonators: N\r\n"));
    EXPECT_EQ(d.dd.ierr, 1);
    EXPECT_EQ(d.dd.n, 4);
}

TEST(AnalysisDialogue, RangeDefaultsAndCorrections) {
    struct range {
        const char *start, *stop, *step;
        float fstart, fmax, delf;
    };
    const range cases[] = {
        {"", "", "", 900.0f, 1100.0f, 5.0f},
        {"0.0001", "0.0001", "0.0001", 900.0f, 1100.0f, 5.0f},
        {"100", "200", "100", 100.0f, 200.0f, 10.0f},  // step equal to start: a tenth of it
        {"100", "50", "5", 100.0f, float(100.0 + double(1.01f) * 5.0), 5.0f},
        {"10", "5", "20", 10.0f, float(10.0 + double(1.01f) * 1.0), 1.0f},
        {"100000", "", "0.001", 100000.0f, 100000.0f, 0.001f},  // the stop rounds back to the start
    };
    for (const range& c : cases) {
        dialogue d(answers({c.start, c.stop, c.step, "", ""}));
        d.dd.iselect = 1;
        if (std::string(c.start) == "100000") d.def.fmaxdef = 1.0f;
        ASSERT_TRUE(d.analysis()) << c.start;
        EXPECT_EQ(d.dd.fstart, c.fstart) << c.start;
        EXPECT_EQ(d.dd.fmax, c.fmax) << c.start << " " << c.stop;
        EXPECT_EQ(d.dd.delf, c.delf) << c.start;
    }
}

TEST(AnalysisDialogue, PrintFormatAndStorageAnswers) {
    for (const auto& [answer, ivswr] :
         {std::pair{"0", 1}, {"1", 1}, {"3", 1}, {"", 1}, {"2", 2}, {"2.4", 2}}) {
        dialogue d(answers({"", "", "", answer, ""}));
        d.dd.iselect = 1;
        ASSERT_TRUE(d.analysis());
        EXPECT_EQ(d.dd.ivswr, ivswr) << answer;
    }
    // Both designs: no format question, the storage question is next.
    dialogue both(answers({"", "", "", "2"}));
    both.dd.iselect = 3;
    both.dd.ivswr = 1;
    ASSERT_TRUE(both.analysis());
    EXPECT_FALSE(both.printed("FORMAT"));
    EXPECT_EQ(both.dd.ivswr, 1);
    EXPECT_EQ(both.dd.istore, 2);

    for (const auto& [answer, istore] :
         {std::pair{"0", 2}, {"2", 2}, {"1.5", 2}, {"", 2}, {"-1", 2}}) {
        dialogue d(answers({"", "", "", "", answer}));
        d.dd.iselect = 1;
        ASSERT_TRUE(d.analysis());
        EXPECT_EQ(d.dd.istore, istore) << answer;
        EXPECT_FALSE(d.printed("FILENAME")) << answer;
    }
}

TEST(AnalysisDialogue, AFatalAnswerEndsTheDialogue) {
    dialogue d(answers({"", "abc", "", "", ""}));
    d.dd.iselect = 1;
    EXPECT_FALSE(d.analysis());
    EXPECT_TRUE(d.s.fatal);
    EXPECT_EQ(d.err.str(),
              "brantover: cannot read the answer to \"Analysis Stop Frequency\" (standard input, "
              "line 2)\r\n"
              "brantover: Bad value during floating point read\r\n");
    EXPECT_FALSE(d.printed("Step"));  // nothing is asked after it
}

}  // namespace
}  // namespace brantover
