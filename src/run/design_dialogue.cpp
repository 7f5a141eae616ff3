// The filter design dialogue. An answer that is empty, zero or out of range
// silently takes its default; only a number of resonators beyond what the
// response allows is refused with a message.
#include <cmath>

#include "filtermath/prototype_poles.hpp"
#include "run/dialogues.hpp"

namespace brantover {

namespace {

bool ask_design(session& s, const default_data& def, design_data& dd) {
    // clang-format off
    write_layout(s.con, {
        x(6), text("Please select a Filter DESIGN for Analysis:"), nl,
        x(9), text("*1 = Bandpass Filter Analysis."), nl,
        x(10), text("2 = Bandstop Filter Analysis."), nl,
        x(10), text("3 = Both Bandpass and Bandstop Filters.")});
    write_prompt(s.con, {x(6), text("Filter DESIGN selected for Analysis = ")});
    // clang-format on
    float v = 0.0f;
    if (!read_answer(s, "Filter DESIGN", v)) return false;
    const std::int32_t choice = nint(v);
    dd.iselect = choice >= 1 && choice <= 3 ? choice : def.iselectdef;
    dd.bporbs = make_text20(dd.iselect == 1   ? "Bandpass"
                            : dd.iselect == 2 ? "Bandstop"
                                              : "BP & BS");
    return true;
}

bool ask_response(session& s, const default_data& def, design_data& dd) {
    // clang-format off
    write_prompt(s.con, {nl,
        x(6), text("Please select Frequency Response of Filter:"), nl,
        x(9), text("*1 = Chebyshev (Equi-ripple passband) Response."), nl,
        x(10), text("2 = Butterworth (Maximally-flat magnitude) Response."), nl,
        x(10), text("3 = Bessel (Maximally flat time delay) Response (N < 11)."), nl,
        x(10), text("4 = Linear Phase: 0.05deg Equi-Ripple Phase Error (N < 11)."), nl,
        x(6), text("Frequency Response selected = ")});
    // clang-format on
    float v = 0.0f;
    if (!read_answer(s, "Frequency Response", v)) return false;
    const std::int32_t choice = nint(v);
    dd.iop = choice >= 1 && choice <= 4 ? choice : def.iopdef;
    return true;
}

bool ask_ripple(session& s, const default_data& def, design_data& dd) {
    // clang-format off
    write_layout(s.con, {
        x(10), text("-Enter Passband RIPPLE Level in dB:"), nl,
        x(12), text(" - Enter 0.01 for VSWR = 1.10:1"), nl,
        x(12), text(" -*Enter 0.05 for VSWR = 1.24:1"), nl,
        x(12), text(" - Or a value of your choice.")});
    write_prompt(s.con, {x(13), text("Desired Passband Ripple Level = ")});
    // clang-format on
    float v = 0.0f;
    if (!read_answer(s, "Desired Passband Ripple Level", v)) return false;
    // A ripple too small to give a ripple factor is no ripple at all.
    dd.ripple = v > 0.0f && chebyshev_eps(v) > 0.0f ? v : def.rippledef;
    return true;
}

bool ask_band(session& s, const default_data& def, design_data& dd) {
    float v = 0.0f;
    write_prompt(s.con, {x(10), text("-Filter`s Center Frequency,   MHz= ")});
    if (!read_answer(s, "Filter`s Center Frequency", v)) return false;
    dd.f0 = v > 0.0001f ? v : def.f0def;

    write_prompt(s.con, {x(10), text("-Filter`s Passband Bandwidth, MHz= ")});
    if (!read_answer(s, "Filter`s Passband Bandwidth", v)) return false;
    dd.bw = v > 0.0001f ? v : def.bwdef;

    const float percent = float(100.0 * double(dd.bw) / double(dd.f0));
    write_layout(
        s.con, {x(10), text("-Desired Bandwidth for Filter    = "), f(6, 2, percent), text(" %")});

    dd.flow = float(double(dd.f0) - double(0.5f) * double(dd.bw));
    dd.fhigh = float(double(dd.f0) + double(0.5f) * double(dd.bw));
    return true;
}

enum class count_outcome { counted, refused, fatal };

// The number of resonators from an attenuation at a skirt frequency.
count_outcome count_from_skirt(session& s, const default_data& def, design_data& dd) {
    float v = 0.0f;
    write_prompt(s.con, {x(10), text("-Out of band Skirt Frequency,   MHz = ")});
    if (!read_answer(s, "Out of band Skirt Frequency", v)) return count_outcome::fatal;
    dd.f1 = v > 0.0f && (v < dd.flow || v > dd.fhigh) ? v : def.f1def;
    dd.fc = dd.f1 > dd.fhigh ? dd.fhigh : dd.flow;

    write_prompt(s.con, {x(10), text("-Attenuation at Skirt Frequency, dB = ")});
    if (!read_answer(s, "Attenuation at Skirt Frequency", v)) return count_outcome::fatal;
    v = std::fabs(v);
    dd.a1 = v > 0.0f ? v : def.a1def;

    dd.ides = dd.iselect == 2 ? 4 : 3;
    dd.ierr = 0;
    dd.a2 = 0.0f;
    dd.n = 0;
    nsectn(dd.ripple, dd.a1, dd.a2, dd.fc, dd.f1, dd.fhigh, dd.flow, dd.ides, dd.ierr, dd.iop,
           dd.n);
    if (dd.ierr == 1) {
        // No filter can be formed; the user chooses the method again.
        // clang-format off
        write_layout(s.con, {nl, nl,
            x(5), text("Error in processing Number of Resonators. Re-start Brantover."), nl,
            x(5), text("N = "), i(2, dd.n), x(5), text("A2 = "), f(6, 2, dd.a2), text(" dB")});
        // clang-format on
        return count_outcome::refused;
    }
    // clang-format off
    write_layout(s.con, {
        x(10), text("-Number of Resonators (N) needed ="), i(2, dd.n), nl,
        x(10), text("-Skirt Attenuation (A1) achieved ="), f(6, 1, dd.a2), text(" dB")});
    // clang-format on
    return count_outcome::counted;
}

// The method question, the count, and the limit test; repeated until a
// count the response allows is found.
bool ask_resonators(session& s, const default_data& def, design_data& dd) {
    // The Bessel and linear-phase prototypes are tabulated up to 10 poles.
    const bool tabulated = dd.iop == 3 || dd.iop == 4;
    for (;;) {
        // clang-format off
        write_layout(s.con, {
            x(10), text("-Select METHOD for entering Number of Resonators: N"), nl,
            x(12), text("*1: User enters Number of Resonators; N < 21"), nl,
            x(13), text("2: User enters Attenuation at Skirt Frequency")});
        write_prompt(s.con, {x(13), text("              METHOD selected = ")});
        // clang-format on
        float v = 0.0f;
        if (!read_answer(s, "METHOD selected", v)) return false;
        const std::int32_t method = nint(v);
        dd.ifunc = method == 2 ? 2 : 1;

        if (dd.ifunc == 2) {
            const count_outcome got = count_from_skirt(s, def, dd);
            if (got == count_outcome::fatal) return false;
            if (got == count_outcome::refused) continue;
        } else {
            write_prompt(s.con, {x(10), text("-Number of Resonators/Poles, N   = ")});
            if (!read_answer(s, "Number of Resonators/Poles", v)) return false;
            const std::int32_t count = nint(v);
            dd.n = count > 0 ? count : def.ndef;
        }

        if (dd.n <= (tabulated ? 10 : 20)) return true;
        // clang-format off
        write_layout(s.con, {nl, nl,
            x(9), text(tabulated ? "ERROR: Number of Poles in Filter cannot exceed N = 10."
                                 : "ERROR: Number of Poles in Filter cannot exceed N = 20."), nl,
            x(9), text("Please re-enter Number of Poles in Filter."), nl});
        // clang-format on
    }
}

}  // namespace

bool design_dialogue(session& s, const default_data& def, design_data& dd) {
    if (!ask_design(s, def, dd) || !ask_response(s, def, dd)) return false;

    dd.ripple = 3.0f;
    write_layout(s.con, {nl, x(6), text("Please enter the following Design Data:")});
    if (dd.iop == 1 && !ask_ripple(s, def, dd)) return false;
    if (!ask_band(s, def, dd) || !ask_resonators(s, def, dd)) return false;

    float v = 0.0f;
    write_prompt(s.con, {x(10), text("-Unloaded Q in each Resonator    = ")});
    if (!read_answer(s, "Unloaded Q in each Resonator", v)) return false;
    dd.qu = v > 0.1f ? v : def.qudef;

    // The bandwidth of the analysis is that of the stored band edges.
    dd.bw = float(double(dd.fhigh) - double(dd.flow));
    dd.tembw = float(double(dd.bw) / double(dd.f0));
    dd.dwdw = float(1.0 / (double(dd.bw) * double(pi)));
    return true;
}

}  // namespace brantover
