// Reading the reports of a storage file back, line by line.
//
// A report begins at its date line. The header values are found by their
// labels, the kind of table by its title and column headings; the rule under
// the headings opens the table, and every line up to the closing rule must be
// a row of the table's layout. Lines between reports (the storage line, the
// empty line and the rule that begin each report) carry nothing to read.
#include <array>

#include "plot/stored_report.hpp"
#include "report/report_columns.hpp"
#include "report/report_texts.hpp"

namespace brantover::plot {

namespace {

namespace rt = report_text;

std::string_view trim_right(std::string_view s) {
    const std::size_t end = s.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : s.substr(0, end + 1);
}

std::string_view trim(std::string_view s) {
    const std::size_t start = s.find_first_not_of(' ');
    return start == std::string_view::npos ? std::string_view{} : trim_right(s.substr(start));
}

bool contains(std::string_view line, std::string_view text) {
    return line.find(text) != std::string_view::npos;
}

bool is_date_line(std::string_view line) { return trim(line).starts_with(rt::program); }

bool is_rule(std::string_view line) {
    return line.size() == std::size_t(rt::rule_indent + rt::rule_length) &&
           line.find_first_not_of(' ') == std::size_t(rt::rule_indent) &&
           line.find_first_not_of('-', std::size_t(rt::rule_indent)) == std::string_view::npos;
}

// The characters printed in the field right after the label; the field may
// be cut short only where the line ends (trailing blanks of a text).
std::optional<std::string_view> after_label(std::string_view line, const rt::labelled_field& f) {
    const std::size_t at = line.find(f.label);
    if (at == std::string_view::npos) return std::nullopt;
    return line.substr(at + f.label.size(), std::size_t(f.w));
}

const char* const one_filter_names[] = {"frequency", "wavelength",          "loss", "time delay",
                                        "phase",     "VSWR or return loss", "F/Fo"};
const char* const both_filters_names[] = {"frequency",           "wavelength",     "bandpass loss",
                                          "bandpass time delay", "bandpass phase", "bandstop loss",
                                          "bandstop time delay", "bandstop phase"};

// The fields of one row, or a description of the first that is not there.
template <std::size_t N>
bool read_row(std::string_view line, const std::array<row_field, N>& layout,
              const char* const (&names)[N], std::vector<report_value>& row, std::string& why) {
    const int length = first_column(layout, N - 1) + layout[N - 1].w - 1;
    if (line.size() != std::size_t(length)) {
        why = "a row of this table has " + std::to_string(length) + " columns, this line has " +
              std::to_string(line.size());
        return false;
    }
    row.clear();
    int column = 1;
    for (std::size_t k = 0; k < N; ++k) {
        const std::string_view gap =
            line.substr(std::size_t(column - 1), std::size_t(layout[k].blanks));
        const int first = first_column(layout, k);
        const std::string_view field =
            line.substr(std::size_t(first - 1), std::size_t(layout[k].w));
        const auto v = read_fixed_field(field, layout[k].w, layout[k].d);
        if (gap.find_first_not_of(' ') != std::string_view::npos || !v) {
            why = std::string(names[k]) + " field (columns " + std::to_string(first) + "-" +
                  std::to_string(first + layout[k].w - 1) + ") reads '" + std::string(field) +
                  "', not an F" + std::to_string(layout[k].w) + "." + std::to_string(layout[k].d) +
                  " number";
            return false;
        }
        row.push_back(*v);
        column = first + layout[k].w;
    }
    return true;
}

enum class part : std::uint8_t { outside, head, table };

// What the head of the report being read has shown so far.
struct head_seen {
    bool response = false, flow = false, f0 = false, fhigh = false, bw = false;
    bool title = false, columns = false;
};

struct reader {
    std::vector<stored_report>& reports;
    read_error& error;
    part at = part::outside;
    stored_report current;
    head_seen seen;

    bool fail(long line, std::string message) {
        error = {line, std::move(message)};
        return false;
    }

    // A header value in Fw.d right after its label.
    bool header_number(std::string_view line, long number, const rt::labelled_field& f,
                       report_value& into) {
        const auto field = after_label(line, f);
        const auto v = field ? read_fixed_field(*field, f.w, f.d) : std::nullopt;
        if (!v)
            return fail(number, "malformed report header: no F" + std::to_string(f.w) + "." +
                                    std::to_string(f.d) + " value after '" +
                                    std::string(trim(f.label)) + "'");
        into = *v;
        return true;
    }

    // A header text (Aw, Iw) right after its label; its blanks are not part of it.
    bool header_text(std::string_view line, long number, const rt::labelled_field& f,
                     std::string& into) {
        const auto field = after_label(line, f);
        if (!field || trim(*field).empty())
            return fail(number, "malformed report header: nothing after '" +
                                    std::string(trim(f.label)) + "'");
        into = std::string(trim(*field));
        return true;
    }

    bool head_line(std::string_view line, long number) {
        if (is_date_line(line))
            return fail(number, "a new report begins before the table of the report of line " +
                                    std::to_string(current.first_line));
        const std::string_view text = trim(line);
        if (is_rule(line) && seen.columns) return open_table(number);
        if (contains(line, rt::exhibiting)) {
            const std::size_t at = line.find(rt::exhibiting) + rt::exhibiting.size();
            current.response = std::string(trim(line.substr(at, std::size_t(rt::response_width))));
            seen.response = !current.response.empty();
        } else if (contains(line, rt::flow.label)) {
            seen.flow = header_number(line, number, rt::flow, current.flow) &&
                        header_text(line, number, rt::design, current.design);
            return seen.flow;
        } else if (contains(line, rt::f0.label)) {
            seen.f0 = header_number(line, number, rt::f0, current.f0) &&
                      header_text(line, number, rt::poles, current.poles);
            return seen.f0;
        } else if (contains(line, rt::fhigh.label)) {
            seen.fhigh = header_number(line, number, rt::fhigh, current.fhigh) &&
                         header_number(line, number, rt::ripple, current.ripple);
            return seen.fhigh;
        } else if (contains(line, rt::bw.label)) {
            seen.bw = header_number(line, number, rt::bw, current.bw) &&
                      header_number(line, number, rt::qu, current.qu);
            return seen.bw;
        } else if (contains(line, rt::bandpass_title) || contains(line, rt::bandstop_title)) {
            current.table = contains(line, rt::bandpass_title) ? report_design::bandpass
                                                               : report_design::bandstop;
            seen.title = true;
        } else if (text == rt::vswr_columns || text == rt::return_loss_columns) {
            current.match =
                text == rt::vswr_columns ? match_column::vswr : match_column::return_loss;
            seen.columns = true;
        } else if (contains(line, rt::bandpass_response) && contains(line, rt::bandstop_response)) {
            current.table = report_design::both;
            seen.title = seen.columns = true;
        }
        return true;
    }

    bool open_table(long number) {
        std::string missing;
        const auto need = [&](bool have, const char* what) {
            if (!have) missing += missing.empty() ? what : std::string(", ") + what;
        };
        need(seen.response, "response name");
        need(seen.flow, "Flow line");
        need(seen.f0, "Fo line");
        need(seen.fhigh, "Fhigh line");
        need(seen.bw, "BW line");
        need(seen.title, "table title");
        if (!missing.empty())
            return fail(number, "the report that begins on line " +
                                    std::to_string(current.first_line) +
                                    " has an incomplete header: no " + missing);
        at = part::table;
        return true;
    }

    bool table_line(std::string_view line, long number) {
        if (is_rule(line)) {
            reports.push_back(std::move(current));
            at = part::outside;
            return true;
        }
        std::vector<report_value> row;
        std::string why;
        const bool ok = current.table == report_design::both
                            ? read_row(line, both_filters_row, both_filters_names, row, why)
                            : read_row(line, one_filter_row, one_filter_names, row, why);
        if (!ok) return fail(number, "malformed table row: " + why);
        current.rows.push_back(std::move(row));
        return true;
    }

    bool line(std::string_view raw, long number) {
        const std::string_view line = trim_right(raw);
        switch (at) {
            case part::outside:
                if (is_date_line(line)) {
                    current = stored_report{};
                    current.first_line = number;
                    seen = head_seen{};
                    at = part::head;
                }
                return true;
            case part::head: return head_line(line, number);
            case part::table: return table_line(line, number);
        }
        return true;
    }
};

}  // namespace

bool read_reports(std::string_view file_text, std::vector<stored_report>& reports,
                  read_error& error) {
    reader r{reports, error, part::outside, {}, {}};
    long number = 0;
    std::size_t pos = 0;
    while (pos < file_text.size()) {
        std::size_t end = file_text.find('\n', pos);
        if (end == std::string_view::npos) end = file_text.size();
        std::string_view line = file_text.substr(pos, end - pos);
        if (line.ends_with('\r')) line.remove_suffix(1);
        pos = end + 1;
        if (!r.line(line, ++number)) return false;
    }
    if (r.at != part::outside)
        return r.fail(number, "the file ends inside the report that begins on line " +
                                  std::to_string(r.current.first_line) +
                                  ", before the rule that closes its table");
    if (reports.empty()) return r.fail(0, "no report in the file");
    return true;
}

}  // namespace brantover::plot
