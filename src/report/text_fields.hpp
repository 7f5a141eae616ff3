// Fixed-width text fields: the one place where Brantover turns values into
// characters and input lines into values.
//
// A layout is the list of items of one output statement, written in the same
// notation the program's screens are drawn in:
//   x(16), text("Flow = "), f(9, 3, flow), text(" MHz"), x(10), ... , nl
// Field items carry their value, so a layout reads left to right exactly as
// the line it prints.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace brantover {

// A blank-filled text of 20 characters (response name, design word, file
// names). Trailing blanks are part of the value.
using text20 = std::array<char, 20>;

constexpr text20 make_text20(std::string_view s) {
    text20 t{};
    for (std::size_t k = 0; k < t.size(); ++k) t[k] = k < s.size() ? s[k] : ' ';
    return t;
}
constexpr text20 make_blank_text20() { return make_text20({}); }
inline std::string_view view(const text20& t) { return {t.data(), t.size()}; }
// The text without its trailing blanks (a file name as handed to the system).
std::string_view trimmed(const text20& t);
bool all_blank(const text20& t);

// ---------------------------------------------------------------- layouts

enum class item_kind : std::uint8_t { blanks, text, integer, fixed, alpha, repeat, line_end };

struct item {
    item_kind kind = item_kind::text;
    int w = 0;            // nX count, field width, repeat count
    int d = 0;            // decimals of Fw.d
    std::string_view s;   // quoted text or Aw value
    float fv = 0.0f;      // Fw.d value
    std::int32_t iv = 0;  // Iw value
    char c = ' ';         // n*"c"
};

constexpr item x(int n) { return {item_kind::blanks, n, 0, {}, 0.0f, 0, ' '}; }
constexpr item text(std::string_view s) { return {item_kind::text, 0, 0, s, 0.0f, 0, ' '}; }
constexpr item i(int w, std::int32_t v) { return {item_kind::integer, w, 0, {}, 0.0f, v, ' '}; }
constexpr item f(int w, int d, float v) { return {item_kind::fixed, w, d, {}, v, 0, ' '}; }
constexpr item a(int w, std::string_view v) { return {item_kind::alpha, w, 0, v, 0.0f, 0, ' '}; }
inline item a(int w, const text20& v) { return a(w, view(v)); }
constexpr item rep(int n, char c) { return {item_kind::repeat, n, 0, {}, 0.0f, 0, c}; }
// "/": ends the current line.
inline constexpr item nl{item_kind::line_end, 0, 0, {}, 0.0f, 0, ' '};

using layout = std::initializer_list<item>;

// Field renderers, appending to a line under construction. The largest
// width and decimals are those a field can meaningfully hold; Fw.d is exact on
// the binary value for d up to 12.
inline constexpr int max_field_width = 64;
inline constexpr int max_decimals = 12;
void append_integer(std::string& out, int w, std::int32_t v);
void append_fixed(std::string& out, int w, int d, float v);
void append_alpha(std::string& out, int w, std::string_view v);

// Renders the items into `out`. A completed layout ends its last line; a
// prompt leaves it open and writes its blanks at once.
void render_layout(std::string& out, std::span<const item> items, bool prompt);

// ---------------------------------------------------------------- sinks

// A destination of layouts: characters are gathered in `pending` and handed
// to the stream or file in large pieces.
struct console {
    std::ostream* out = nullptr;
    std::string pending;
    bool failed = false;  // the stream refused a write
    int error = 0;        // errno of that refusal, EIO when none was given
};

inline console make_console(std::ostream& out) {
    console con;
    con.out = &out;
    return con;
}

// Writes the layout to the console and ends its last line.
void write_layout(console& con, layout items);
// Adds lines already rendered by render_layout.
void write_rendered(console& con, std::string_view lines);
// Writes a prompt, leaves its line open and makes it visible.
void write_prompt(console& con, layout items);
// Hands everything gathered to the stream and flushes it. False when the
// stream has refused a write.
bool flush(console& con);

// ---------------------------------------------------------------- input

// A source of input lines: the console stream or an open file.
struct line_source {
    std::istream* in = nullptr;  // console
    int fd = -1;                 // file
    std::array<char, 4096> buf{};
    std::size_t pos = 0;
    std::size_t len = 0;
    int error = 0;        // errno of a failed file read
    long lines_read = 0;  // lines consumed so far
};

inline line_source stream_source(std::istream& in) {
    line_source src;
    src.in = &in;
    return src;
}

inline line_source file_source(int fd) {
    line_source src;
    src.fd = fd;
    return src;
}

enum class read_status : std::uint8_t { ok, bad_value, end_of_input, read_error };

struct number_read {
    read_status status = read_status::ok;
    float value = 0.0f;
};

struct text_read {
    read_status status = read_status::ok;
    text20 value{};
};

inline constexpr std::size_t number_field_width = 13;
inline constexpr std::size_t text_field_width = 20;

// The first 13 characters of the next line as a single-precision number.
number_read read_number_field(line_source& src);
// The first 20 characters of the next line, blank-filled.
text_read read_text_field(line_source& src);
// The number rule on a field that is already cut out (at most 13 characters
// are looked at).
number_read parse_number_field(std::string_view line);

}  // namespace brantover
