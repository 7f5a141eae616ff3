// The report of one analysis pass: header, title, headings, one row per
// analysis frequency, closing rule and storage line. Every layout goes to the
// console and, when the pass stores its report, the same text to the file.
#pragma once

#include <string>

#include "filtermath/prototype_poles.hpp"
#include "report/storage.hpp"
#include "report/text_fields.hpp"
#include "run/design_data.hpp"

namespace brantover {

struct report_out {
    console* con = nullptr;
    storage_file* file = nullptr;  // null when the pass does not store
    std::string lines;             // the layout being written, rendered once
};

// Sets the ripple shown for Bessel and linear phase to 0 (they have none),
// then writes header, title and column headings.
bool report_head(report_out& out, design_data& dd, const date_time& now);
bool report_row(report_out& out, const design_data& dd, const response_row& row);
bool report_end(report_out& out, const design_data& dd);

// The response name of the header and title, blank-filled to 20 characters.
text20 response_name(std::int32_t iop);

}  // namespace brantover
