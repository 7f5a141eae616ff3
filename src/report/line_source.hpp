// Reading the head of the next line of a source.
#pragma once

#include "report/text_fields.hpp"

namespace brantover {

// Consumes the next line and keeps at most its first `cap` characters.
read_status read_line_head(line_source& src, char* head, std::size_t cap, std::size_t& len);

}  // namespace brantover
