// The console: standard output, gathered and handed on in large pieces.
// Output is made visible after every prompt (the user must see the
// question) and at the end, never after every line, so a long report is
// written at the speed of the stream.
#include <cerrno>
#include <ostream>

#include "report/text_fields.hpp"

namespace brantover {

namespace {

constexpr std::size_t console_piece = 1 << 16;

void refused(console& con) {
    con.failed = true;
    con.error = errno != 0 ? errno : EIO;
}

void hand_on(console& con) {
    if (!con.failed && !con.pending.empty()) {
        errno = 0;
        con.out->write(con.pending.data(), std::streamsize(con.pending.size()));
        if (!*con.out) refused(con);
    }
    con.pending.clear();
}

}  // namespace

void write_layout(console& con, layout items) {
    render_layout(con.pending, std::span<const item>(items.begin(), items.size()), false);
    if (con.pending.size() >= console_piece) hand_on(con);
}

void write_rendered(console& con, std::string_view lines) {
    con.pending.append(lines);
    if (con.pending.size() >= console_piece) hand_on(con);
}

void write_prompt(console& con, layout items) {
    render_layout(con.pending, std::span<const item>(items.begin(), items.size()), true);
    flush(con);
}

bool flush(console& con) {
    hand_on(con);
    if (!con.failed) {
        errno = 0;
        con.out->flush();
        if (!*con.out) refused(con);
    }
    return !con.failed;
}

}  // namespace brantover
