// Reading back an Fw.d field of a report: a right-aligned number with exactly
// d decimals, a row of asterisks, or the words for infinity and not-a-number.
#include <charconv>
#include <cmath>
#include <limits>

#include "plot/stored_report.hpp"

namespace brantover::plot {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// "-"? digits* "." digits{d}, with at least one digit.
bool is_fixed_point(std::string_view t, int d) {
    std::size_t k = 0;
    if (k < t.size() && t[k] == '-') ++k;
    const std::size_t whole_start = k;
    while (k < t.size() && is_digit(t[k])) ++k;
    const std::size_t whole_digits = k - whole_start;
    if (k == t.size() || t[k] != '.') return false;
    ++k;
    const std::size_t decimals = t.size() - k;
    if (decimals != std::size_t(d)) return false;
    for (; k < t.size(); ++k)
        if (!is_digit(t[k])) return false;
    return whole_digits + decimals > 0;
}

}  // namespace

std::optional<report_value> read_fixed_field(std::string_view field, int w, int d) {
    if (field.size() != std::size_t(w) || w <= 0) return std::nullopt;
    if (field.find_first_not_of('*') == std::string_view::npos)
        return report_value{shown_as::overflow, 0.0, std::string(field)};

    const std::string_view t = field.substr(field.find_first_not_of(' ') == std::string_view::npos
                                                ? field.size()
                                                : field.find_first_not_of(' '));
    constexpr double inf = std::numeric_limits<double>::infinity();
    if (t == "NaN") return report_value{shown_as::not_a_number, std::nan(""), std::string(t)};
    if (t == "Inf" || t == "Infinity") return report_value{shown_as::infinite, inf, std::string(t)};
    if (t == "-Inf" || t == "-Infinity")
        return report_value{shown_as::infinite, -inf, std::string(t)};
    if (!is_fixed_point(t, d)) return std::nullopt;

    double v = 0.0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc{} || end != t.data() + t.size()) return std::nullopt;
    return report_value{shown_as::number, v, std::string(t)};
}

}  // namespace brantover::plot
