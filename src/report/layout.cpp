// Rendering the items of one layout into characters.
#include "report/text_fields.hpp"

namespace brantover {

void render_layout(std::string& out, std::span<const item> items, bool prompt) {
    // Blanks wait until something is written after them on the same line:
    // blanks at a line's end are not written. A prompt writes them at once,
    // since the answer follows them.
    int pending_blanks = 0;
    for (const item& it : items) {
        if (it.kind == item_kind::blanks) {
            if (prompt)
                out.append(std::size_t(it.w), ' ');
            else
                pending_blanks += it.w;
            continue;
        }
        if (it.kind == item_kind::line_end) {
            pending_blanks = 0;
            out.append("\r\n");
            continue;
        }
        out.append(std::size_t(pending_blanks), ' ');
        pending_blanks = 0;
        switch (it.kind) {
            case item_kind::text: out.append(it.s); break;
            case item_kind::integer: append_integer(out, it.w, it.iv); break;
            case item_kind::fixed: append_fixed(out, it.w, it.d, it.fv); break;
            case item_kind::alpha: append_alpha(out, it.w, it.s); break;
            case item_kind::repeat: out.append(std::size_t(it.w), it.c); break;
            case item_kind::blanks:
            case item_kind::line_end: break;
        }
    }
    if (!prompt) out.append("\r\n");
}

}  // namespace brantover
