// Iw and Aw fields.
#include <cstdint>

#include "report/text_fields.hpp"

namespace brantover {

void append_integer(std::string& out, int w, std::int32_t v) {
    char digits[12];
    int len = 0;
    std::int64_t mag = v < 0 ? -std::int64_t{v} : std::int64_t{v};
    do {
        digits[len++] = char('0' + mag % 10);
        mag /= 10;
    } while (mag != 0);
    if (v < 0) digits[len++] = '-';
    if (len > w) {
        out.append(std::size_t(w), '*');
        return;
    }
    out.append(std::size_t(w - len), ' ');
    while (len > 0) out.push_back(digits[--len]);
}

void append_alpha(std::string& out, int w, std::string_view v) {
    if (v.size() >= std::size_t(w)) {
        out.append(v.substr(0, std::size_t(w)));
        return;
    }
    out.append(std::size_t(w) - v.size(), ' ');
    out.append(v);
}

}  // namespace brantover
