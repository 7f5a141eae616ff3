#include "run/session.hpp"

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace brantover {

int fatal_end(session& s, std::string_view what, std::string_view reason) {
    flush(s.con);
    storage_close(s.storage);
    write_layout(s.err, {text("brantover: "), text(what), nl, text("brantover: "), text(reason)});
    flush(s.err);
    s.fatal = true;
    return 2;
}

int output_failure_end(session& s) {
    if (!s.storage.failed)
        return fatal_end(s, "cannot write to standard output", std::strerror(s.con.error));
    const std::string what = s.storage.failed_operation;
    const std::string reason = s.storage.reason;
    return fatal_end(s, what, reason);
}

namespace {

bool answer_failed(session& s, std::string_view question, read_status status) {
    // A bad line has been consumed; at the end of input the line waited for
    // is the next one.
    const long line = s.answers.lines_read + (status == read_status::bad_value ? 0 : 1);
    const std::string what = "cannot read the answer to \"" + std::string(question) +
                             "\" (standard input, line " + std::to_string(line) + ")";
    fatal_end(
        s, what,
        status == read_status::bad_value ? "Bad value during floating point read" : "End of file");
    return false;
}

}  // namespace

bool read_answer(session& s, std::string_view question, float& value) {
    const number_read r = read_number_field(s.answers);
    if (r.status != read_status::ok) return answer_failed(s, question, r.status);
    value = r.value;
    return true;
}

bool read_answer(session& s, std::string_view question, text20& value) {
    const text_read r = read_text_field(s.answers);
    if (r.status != read_status::ok) return answer_failed(s, question, r.status);
    value = r.value;
    return true;
}

std::int32_t nint(float v) {
    if (std::isnan(v)) return 0;
    const double r = std::round(double(v));
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(r);
}

}  // namespace brantover
