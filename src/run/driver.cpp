// Start-up, the filter and analysis passes, and the operation menu.
#include "run/driver.hpp"

#include <cerrno>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <unistd.h>

#include "filtermath/prototype_poles.hpp"
#include "report/report.hpp"
#include "run/defaults.hpp"
#include "run/dialogues.hpp"
#include "run/session.hpp"

namespace brantover {

namespace {

void banner(session& s, const date_time& now) {
    // clang-format off
    write_layout(s.con, {nl,
        nl,
        nl,
        x(14), text("  RF/Microwave Computer-Aided Engineering Software."), nl,
        x(9), text("Program: Brantover (v. 1.1)     Date:"), i(2, now.imon), text("/"), i(2, now.iday),
              text("/"), i(4, now.iyr), text(" at "), i(2, now.ihr), text(":"), i(2, now.imin),
              text(":"), i(2, now.isec), text("Hours")});
    // clang-format on
}

void description(session& s) {
    // clang-format off
    write_layout(s.con, {nl,
        x(8), text("This Program ANALYZES the RF/Microwave performance characteristics"), nl,
        x(8), text("of standard non-dispersive (TEM-mode) BANDPASS & BANDSTOP Filters"), nl,
        x(8), text("exhibiting a Tchebyscheff, Butterworth, Bessel or Linear Phase"), nl,
        x(8), text("response."), nl,
        nl});
    // clang-format on
}

enum class operation { rerun, new_filter, exit };

bool operation_menu(session& s, operation& op) {
    // clang-format off
    write_layout(s.con, {nl,
        x(6), text("Filter ANALYSIS completed. Select next OPERATION:"), nl,
        x(10), text("1. Change Analysis Frequencies and Re-run."), nl,
        x(10), text("2. Analyze a NEW Filter."), nl,
        x(9), text("*3. EXIT to operating system.")});
    write_prompt(s.con, {x(6), text("OPERATION selected = ")});
    // clang-format on
    float v = 0.0f;
    if (!read_answer(s, "OPERATION selected", v)) return false;
    const std::int32_t choice = nint(v);
    op = choice == 1 ? operation::rerun : choice == 2 ? operation::new_filter : operation::exit;
    return true;
}

// Header, one row per analysis frequency, closing lines.
bool analysis_report(session& s, design_data& dd, prototype_poles& pp, const date_time& now) {
    report_out out;
    out.con = &s.con;
    out.file = dd.istore == 1 ? &s.storage : nullptr;
    if (!report_head(out, dd, now)) return false;
    bool ok = true;
    sweep(dd, pp, [&](const response_row& row) { return ok = report_row(out, dd, row); });
    return ok && report_end(out, dd);
}

int passes(session& s, const std::function<date_time()>& clock) {
    default_data def;
    design_data dd;
    prototype_poles pp;
    if (!open_defaults(s)) return 2;
    switch (read_defaults(s, def, dd)) {
        case defaults_result::fatal: return 2;
        case defaults_result::message: return 0;
        case defaults_result::ok: break;
    }

    for (;;) {
        const date_time now = clock();
        banner(s, now);
        description(s);
        if (!design_dialogue(s, def, dd)) return 2;
        for (operation op = operation::rerun; op == operation::rerun;) {
            if (!analysis_dialogue(s, def, dd)) return 2;
            if (!analysis_report(s, dd, pp, now)) return output_failure_end(s);
            if (!operation_menu(s, op)) return 2;
            if (op == operation::exit) {
                if (dd.istore == 1 && !storage_end(s.storage)) return output_failure_end(s);
                return 0;
            }
        }
    }
}

}  // namespace

int run_program(program_io& io) {
    session s;
    s.con = make_console(io.out);
    s.err = make_console(io.err);
    s.answers = stream_source(io.in);
    s.folder = AT_FDCWD;
    if (!io.folder.empty()) {
        s.folder = ::open(io.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (s.folder < 0)
            return fatal_end(s, "cannot enter the working folder '" + io.folder + "'",
                             std::strerror(errno));
    }

    int status = passes(s, io.clock);
    if (status != 2) {
        if (!storage_close(s.storage) || !flush(s.con)) status = output_failure_end(s);
    }
    if (s.defaults_fd >= 0) ::close(s.defaults_fd);
    if (s.folder >= 0) ::close(s.folder);
    return status;
}

date_time local_date_time() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace brantover
