// Splitting a source into lines: a line ends at LF, CR LF or a lone CR, and a
// last line without an end is still a line. Only the head of a line is kept;
// the rest is skipped, so a line of any length costs no memory.
#include <cerrno>
#include <istream>

#include <unistd.h>

#include "report/line_source.hpp"

namespace brantover {

namespace {

constexpr int no_byte = -1;

bool fill_buffer(line_source& src) {
    for (;;) {
        const ssize_t got = ::read(src.fd, src.buf.data(), src.buf.size());
        if (got > 0) {
            src.pos = 0;
            src.len = std::size_t(got);
            return true;
        }
        if (got == 0) return false;
        if (errno == EINTR) continue;
        src.error = errno;
        return false;
    }
}

int peek_byte(line_source& src) {
    if (src.in != nullptr) {
        const auto c = src.in->rdbuf()->sgetc();
        return std::istream::traits_type::eq_int_type(c, std::istream::traits_type::eof())
                   ? no_byte
                   : int(std::istream::traits_type::to_char_type(c)) & 0xff;
    }
    if (src.pos == src.len && (src.error != 0 || !fill_buffer(src))) return no_byte;
    return int(src.buf[src.pos]) & 0xff;
}

void skip_byte(line_source& src) {
    if (src.in != nullptr)
        src.in->rdbuf()->sbumpc();
    else
        ++src.pos;
}

}  // namespace

read_status read_line_head(line_source& src, char* head, std::size_t cap, std::size_t& len) {
    len = 0;
    int c = peek_byte(src);
    if (c == no_byte) return src.error != 0 ? read_status::read_error : read_status::end_of_input;
    while (c != no_byte && c != '\n' && c != '\r') {
        if (len < cap) head[len++] = char(c);
        skip_byte(src);
        c = peek_byte(src);
    }
    if (c == '\r') {
        skip_byte(src);
        if (peek_byte(src) == '\n') skip_byte(src);
    } else if (c == '\n') {
        skip_byte(src);
    }
    if (src.error != 0) return read_status::read_error;
    ++src.lines_read;
    return read_status::ok;
}

number_read read_number_field(line_source& src) {
    char head[number_field_width];
    std::size_t len = 0;
    const read_status st = read_line_head(src, head, sizeof head, len);
    if (st != read_status::ok) return {st, 0.0f};
    return parse_number_field({head, len});
}

text_read read_text_field(line_source& src) {
    char head[text_field_width];
    std::size_t len = 0;
    text_read r;
    r.status = read_line_head(src, head, sizeof head, len);
    r.value = make_text20({head, len});
    return r;
}

}  // namespace brantover
