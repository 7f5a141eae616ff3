#include "report/report.hpp"

#include "report/report_columns.hpp"
#include "report/report_row.hpp"
#include "report/report_texts.hpp"

namespace brantover {

namespace {

// The fixed texts that readers of stored reports find the report's parts by.
namespace rt = report_text;

// The rendered lines to the console, then the same characters to the storage
// file. False once either refuses them: the report is not continued.
bool hand_on(report_out& out, std::string_view lines) {
    write_rendered(*out.con, lines);
    if (out.con->failed) return false;
    return out.file == nullptr || storage_write(*out.file, lines);
}

// One layout to the console, then the same characters to the storage file.
bool emit(report_out& out, std::span<const item> items) {
    out.lines.clear();
    render_layout(out.lines, items, false);
    return hand_on(out, out.lines);
}

bool emit(report_out& out, layout items) {
    return emit(out, std::span<const item>(items.begin(), items.size()));
}

template <const auto& Columns>
bool emit_row(report_out& out, const std::array<float, Columns.size()>& values) {
    char line[row_room];
    return hand_on(out, render_row<Columns>(line, values));
}

}  // namespace

text20 response_name(std::int32_t iop) {
    switch (iop) {
        case 2: return make_text20(" Butterworth");
        case 3: return make_text20("      Bessel");
        case 4: return make_text20("Linear Phase");
        default: return make_text20("Tchebyscheff");
    }
}

bool report_head(report_out& out, design_data& dd, const date_time& now) {
    const text20 name = response_name(dd.iop);
    if (dd.iop > 2) dd.ripple = 0.0f;

    // clang-format off
    bool ok = emit(out, {nl,
        x(rt::rule_indent), rep(rt::rule_length, '-'), nl,
        x(8), text(rt::program), x(20), text("Date:"), i(2, now.imon), text("/"),
              i(2, now.iday), text("/"), i(4, now.iyr), text(" at "), i(2, now.ihr), text(":"),
              i(2, now.imin), text(":"), i(2, now.isec), text("Hours"), nl,
        x(16), text("RF/Microwave Computer-Aided Engineering Design Data for"), nl,
        x(15), text(rt::exhibiting), a(rt::response_width, name), text(" Response."), nl,
        nl,
        x(15), text("ANALYSIS of the Theoretical Electrical Circuit for your"), nl,
        x(15), text("Filter results in the following frequency response:"), nl,
        nl,
        x(16), text(rt::flow.label), f(rt::flow.w, rt::flow.d, dd.flow), text(" MHz"),
              x(10), text(rt::design.label), a(rt::design.w, dd.bporbs), nl,
        x(16), text(rt::f0.label), f(rt::f0.w, rt::f0.d, dd.f0), text(" MHz"),
              x(10), text(rt::poles.label), i(rt::poles.w, dd.n), nl,
        x(16), text(rt::fhigh.label), f(rt::fhigh.w, rt::fhigh.d, dd.fhigh), text(" MHz"),
              x(10), text(rt::ripple.label), f(rt::ripple.w, rt::ripple.d, dd.ripple), text(" dB"), nl,
        x(16), text(rt::bw.label), f(rt::bw.w, rt::bw.d, dd.bw), text(" MHz"),
              x(10), text(rt::qu.label), f(rt::qu.w, rt::qu.d, dd.qu)});
    // clang-format on
    if (!ok) return false;

    // clang-format off
    if (dd.iselect == 2) {
        ok = emit(out, {nl,
            x(15), a(rt::response_width, name), text(rt::bandstop_title), nl,
            x(14), rep(39, '-')});
    } else if (dd.iselect != 3) {
        ok = emit(out, {nl,
            x(15), a(rt::response_width, name), text(rt::bandpass_title), nl,
            x(14), rep(39, '-')});
    }
    if (!ok) return false;

    if (dd.iselect == 3) {
        return emit(out, {nl,
            x(31), text(rt::bandpass_response), x(10), text(rt::bandstop_response), nl,
            x(26), rep(26, '-'), x(2), rep(25, '-'), nl,
            x(6), text("Frequency"), text(" Wavelength"), text("  Loss   Time Delay  Phase"), text("   Loss   Time Delay  Phase"), nl,
            x(7), text(" (MHz)  "), text("  (Inches)"), x(3), text("(dB)     (nsec)    (deg)"), x(3), text("(dB)     (nsec)    (deg)"), nl,
            x(rt::rule_indent), rep(rt::rule_length, '-')});
    }
    if (dd.ivswr == 2) {
        return emit(out, {
            x(59), text("Return"), nl,
            x(10), text(rt::return_loss_columns), nl,
            x(12), text("(MHz)    (Inches)    (dB)    (nsec)    (deg)    (dB)"), nl,
            x(rt::rule_indent), rep(rt::rule_length, '-')});
    }
    return emit(out, {
        x(10), text(rt::vswr_columns), nl,
        x(12), text("(MHz)    (Inches)    (dB)    (nsec)    (deg)"), nl,
        x(rt::rule_indent), rep(rt::rule_length, '-')});
    // clang-format on
}

bool report_row(report_out& out, const design_data& dd, const response_row& r) {
    if (dd.iselect == 3)
        return emit_row<both_filters_row>(
            out, {r.fi, r.lambda, r.bpfl, r.tdbpf, r.phibpf, r.bsfl, r.tdbsf, r.phibsf});
    const bool vswr = dd.ivswr != 2;
    if (dd.iselect == 2)
        return emit_row<one_filter_row>(
            out, {r.fi, r.lambda, r.bsfl, r.tdbsf, r.phibsf, vswr ? r.bsfswr : r.bsrl, r.fnorm});
    return emit_row<one_filter_row>(
        out, {r.fi, r.lambda, r.bpfl, r.tdbpf, r.phibpf, vswr ? r.bpfswr : r.bprl, r.fnorm});
}

bool report_end(report_out& out, const design_data& dd) {
    if (!emit(out, {x(rt::rule_indent), rep(rt::rule_length, '-')})) return false;
    if (dd.istore != 1) return true;
    return emit(out, {x(6), text(rt::stored_in), a(20, dd.fn)});
}

}  // namespace brantover
