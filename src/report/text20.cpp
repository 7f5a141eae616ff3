#include "report/text_fields.hpp"

namespace brantover {

std::string_view trimmed(const text20& t) {
    std::size_t len = t.size();
    while (len > 0 && t[len - 1] == ' ') --len;
    return {t.data(), len};
}

bool all_blank(const text20& t) { return trimmed(t).empty(); }

}  // namespace brantover
