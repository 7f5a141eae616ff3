// Iw and Aw fields.
#include <cstdint>
#include <cstring>

#include "report/field_writers.hpp"
#include "report/text_fields.hpp"

namespace brantover {

char* put_integer(char* p, int w, std::int32_t v) {
    char digits[12];
    int len = 0;
    std::int64_t mag = v < 0 ? -std::int64_t{v} : std::int64_t{v};
    do {
        digits[len++] = char('0' + mag % 10);
        mag /= 10;
    } while (mag != 0);
    if (v < 0) digits[len++] = '-';
    if (len > w) {
        std::memset(p, '*', std::size_t(w));
        return p + w;
    }
    std::memset(p, ' ', std::size_t(w - len));
    for (char* q = p + (w - len); len > 0;) *q++ = digits[--len];
    return p + w;
}

char* put_alpha(char* p, int w, std::string_view v) {
    const std::size_t width = std::size_t(w);
    if (v.size() >= width) {
        std::memcpy(p, v.data(), width);
        return p + w;
    }
    std::memset(p, ' ', width - v.size());
    std::memcpy(p + (width - v.size()), v.data(), v.size());
    return p + w;
}

namespace {

template <typename Put>
void append_field(std::string& out, int w, Put put) {
    const std::size_t start = out.size();
    out.resize(start + std::size_t(w) + field_slack);
    put(out.data() + start);
    out.resize(start + std::size_t(w));
}

}  // namespace

void append_integer(std::string& out, int w, std::int32_t v) {
    append_field(out, w, [&](char* p) { put_integer(p, w, v); });
}

void append_fixed(std::string& out, int w, int d, float v) {
    append_field(out, w, [&](char* p) { put_fixed(p, w, d, v); });
}

void append_alpha(std::string& out, int w, std::string_view v) {
    append_field(out, w, [&](char* p) { put_alpha(p, w, v); });
}

}  // namespace brantover
