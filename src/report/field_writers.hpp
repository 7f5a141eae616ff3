// Field renderers that write straight into a line being built: each writes
// the w characters of its field at p and returns p + w. Fields up to 32
// columns are stored in whole 32-byte pieces, so up to field_slack bytes after
// the field may be overwritten with scratch: the writer of the line leaves that
// room, and the next item or the line's end overwrites them.
#pragma once

#include <cstdint>
#include <string_view>

namespace brantover {

inline constexpr std::size_t field_slack = 32;

char* put_integer(char* p, int w, std::int32_t v);
char* put_fixed(char* p, int w, int d, float v);
char* put_alpha(char* p, int w, std::string_view v);

}  // namespace brantover
