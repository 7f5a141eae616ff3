// The 13-column number field.
//
// Blanks are ignored wherever they stand; a comma ends the field; the
// exponent is introduced by E, e, D or d, or by a sign written straight after
// the mantissa (1.5-3 is 1.5e-3). The decimal number is rounded once, to the
// nearest float.
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "report/text_fields.hpp"

namespace brantover {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_sign(char c) { return c == '+' || c == '-'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool same_word(std::string_view s, std::string_view word) {
    if (s.size() != word.size()) return false;
    for (std::size_t k = 0; k < s.size(); ++k)
        if (lower(s[k]) != word[k]) return false;
    return true;
}

bool is_alnum(char c) { return is_digit(c) || (lower(c) >= 'a' && lower(c) <= 'z'); }

// "inf", "infinity", "nan" or "nan(word)", in any case, trailing blanks allowed.
number_read special_value(std::string_view word, bool negative) {
    while (!word.empty() && word.back() == ' ') word.remove_suffix(1);
    const float inf = std::numeric_limits<float>::infinity();
    if (same_word(word, "inf") || same_word(word, "infinity"))
        return {read_status::ok, negative ? -inf : inf};
    if (word.size() >= 3 && same_word(word.substr(0, 3), "nan")) {
        std::string_view rest = word.substr(3);
        bool ok = rest.empty();
        if (rest.size() >= 2 && rest.front() == '(' && rest.back() == ')') {
            ok = true;
            for (char c : rest.substr(1, rest.size() - 2)) ok = ok && is_alnum(c);
        }
        if (ok) return {read_status::ok, std::numeric_limits<float>::quiet_NaN()};
    }
    return {read_status::bad_value, 0.0f};
}

// The value 0.d1d2...dn x 10^e10 rounded to the nearest float.
float nearest_float(std::string_view significant, std::int64_t e10, bool negative) {
    float v = 0.0f;
    if (!significant.empty()) {
        const float inf = std::numeric_limits<float>::infinity();
        if (e10 > 39) {
            v = inf;  // at least 1e39: beyond the largest float
        } else if (e10 >= -45) {
            char text[40] = "0.";
            std::size_t len = 2;
            for (char c : significant) text[len++] = c;
            text[len++] = 'e';
            const auto r = std::to_chars(text + len, text + sizeof text, e10);
            const auto parsed = std::from_chars(text, r.ptr, v);
            if (parsed.ec == std::errc::result_out_of_range) v = e10 > 0 ? inf : 0.0f;
        }  // below 1e-46: nearer to zero than to the smallest float
    }
    return negative ? -v : v;
}

}  // namespace

number_read parse_number_field(std::string_view line) {
    std::string_view field = line.substr(0, std::min(line.size(), number_field_width));
    if (const auto comma = field.find(','); comma != std::string_view::npos)
        field = field.substr(0, comma);

    // A word after the sign: infinity or not-a-number.
    std::size_t k = 0;
    while (k < field.size() && field[k] == ' ') ++k;
    bool negative = false;
    if (k < field.size() && is_sign(field[k])) {
        negative = field[k] == '-';
        ++k;
        while (k < field.size() && field[k] == ' ') ++k;
    }
    if (field.size() - k >= 3) {
        const char c = lower(field[k]);
        if (c == 'i' || c == 'n') return special_value(field.substr(k), negative);
    }

    // Everything else is read with the blanks taken out.
    std::array<char, number_field_width> s{};
    std::size_t len = 0;
    for (char c : field)
        if (c != ' ') s[len++] = c;

    std::size_t pos = 0;
    negative = false;
    if (pos < len && is_sign(s[pos])) negative = s[pos++] == '-';

    // Mantissa: digits with at most one point. Leading zeros carry no value;
    // the digits that do are kept with the count of those before the point.
    std::array<char, number_field_width> significant{};
    std::size_t nsig = 0;
    std::int64_t whole_digits = 0;       // significant digits before the point
    std::int64_t zeros_after_point = 0;  // zeros between the point and the first significant digit
    bool point = false;
    bool any_digit = false;
    for (; pos < len; ++pos) {
        const char c = s[pos];
        if (c == '.') {
            if (point) return {read_status::bad_value, 0.0f};
            point = true;
        } else if (is_digit(c)) {
            any_digit = true;
            if (nsig == 0 && c == '0') {
                if (point) ++zeros_after_point;
                continue;
            }
            significant[nsig++] = c;
            if (!point) ++whole_digits;
        } else {
            break;
        }
    }

    // Exponent: a letter with an optional sign, or a sign straight after a
    // mantissa (a second sign with no mantissa before it is no exponent); then
    // digits.
    std::int64_t exponent = 0;
    if (pos < len) {
        const char c = lower(s[pos]);
        bool exp_negative = false;
        if (c == 'e' || c == 'd') {
            ++pos;
            if (pos < len && is_sign(s[pos])) exp_negative = s[pos++] == '-';
        } else if (is_sign(c) && (any_digit || point)) {
            exp_negative = c == '-';
            ++pos;
        } else {
            return {read_status::bad_value, 0.0f};
        }
        if (pos == len) return {read_status::bad_value, 0.0f};
        for (; pos < len; ++pos) {
            if (!is_digit(s[pos])) return {read_status::bad_value, 0.0f};
            // Saturate: any exponent this large already gives infinity or zero.
            if (exponent < 1000000) exponent = exponent * 10 + (s[pos] - '0');
        }
        if (exp_negative) exponent = -exponent;
    }

    if (!any_digit) return {read_status::ok, 0.0f};
    const std::int64_t e10 = whole_digits - zeros_after_point + exponent;
    return {read_status::ok, nearest_float({significant.data(), nsig}, e10, negative)};
}

}  // namespace brantover
