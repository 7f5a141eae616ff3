// Rendering the items of one layout into characters.
#include <cstring>

#include "report/field_writers.hpp"
#include "report/text_fields.hpp"

namespace brantover {

namespace {

// The most characters the items can give, with room for the scratch that
// field writers may leave after their fields.
std::size_t size_bound(std::span<const item> items) {
    std::size_t n = 2 + field_slack;  // the end of the last line
    for (const item& it : items) {
        switch (it.kind) {
            case item_kind::text: n += it.s.size(); break;
            case item_kind::line_end: n += 2; break;
            default: n += std::size_t(it.w); break;
        }
    }
    return n;
}

// Writes the items at p, which has size_bound(items) bytes of room; returns
// the end of what was written.
char* render_items(char* p, std::span<const item> items, bool prompt) {
    // Blanks wait until something is written after them on the same line:
    // blanks at a line's end are not written. A prompt writes them at once,
    // since the answer follows them.
    int pending_blanks = 0;
    for (const item& it : items) {
        if (it.kind == item_kind::blanks) {
            if (prompt) {
                std::memset(p, ' ', std::size_t(it.w));
                p += it.w;
            } else {
                pending_blanks += it.w;
            }
            continue;
        }
        if (it.kind == item_kind::line_end) {
            pending_blanks = 0;
            *p++ = '\r';
            *p++ = '\n';
            continue;
        }
        if (std::size_t(pending_blanks) <= field_slack)
            std::memset(p, ' ', field_slack);  // one fixed-size store
        else
            std::memset(p, ' ', std::size_t(pending_blanks));
        p += pending_blanks;
        pending_blanks = 0;
        switch (it.kind) {
            case item_kind::text:
                std::memcpy(p, it.s.data(), it.s.size());
                p += it.s.size();
                break;
            case item_kind::integer: p = put_integer(p, it.w, it.iv); break;
            case item_kind::fixed: p = put_fixed(p, it.w, it.d, it.fv); break;
            case item_kind::alpha: p = put_alpha(p, it.w, it.s); break;
            case item_kind::repeat:
                std::memset(p, it.c, std::size_t(it.w));
                p += it.w;
                break;
            case item_kind::blanks:
            case item_kind::line_end: break;
        }
    }
    if (!prompt) {
        *p++ = '\r';
        *p++ = '\n';
    }
    return p;
}

}  // namespace

void render_layout(std::string& out, std::span<const item> items, bool prompt) {
    // A report row or a menu line is built on the stack and added in one
    // piece; a long layout is built in place.
    const std::size_t bound = size_bound(items);
    char line[512];
    if (bound <= sizeof line) {
        const char* end = render_items(line, items, prompt);
        out.append(line, std::size_t(end - line));
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + bound);
    const char* end = render_items(out.data() + start, items, prompt);
    out.resize(std::size_t(end - out.data()));
}

}  // namespace brantover
