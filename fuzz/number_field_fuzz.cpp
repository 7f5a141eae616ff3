// The number field reader on arbitrary bytes: one line per read, whatever the
// line ends; a plain decimal number reads as the C library's correctly rounded
// conversion of it; every value renders into exactly its field width.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "fuzz_check.hpp"
#include "report/text_fields.hpp"

namespace {

using namespace brantover;

// Lines as the rule counts them: ended by LF, CR LF or a lone CR, the last one
// also without an end.
long count_lines(const std::string& s) {
    long lines = 0;
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '\n' || s[k] == '\r') {
            ++lines;
            if (s[k] == '\r' && k + 1 < s.size() && s[k + 1] == '\n') ++k;
        } else if (k + 1 == s.size()) {
            ++lines;
        }
    }
    return lines;
}

// The field as a plain decimal number ("-12.5e3"), blanks taken out, or ""
// when it uses anything else (D exponents, a bare exponent sign, words).
std::string plain_decimal(const std::string& line) {
    std::string field = line.substr(0, 13);
    field = field.substr(0, field.find(','));
    std::string s;
    for (char c : field)
        if (c != ' ') s += c;
    std::size_t k = 0, digits = 0;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
    bool point = false;
    for (; k < s.size(); ++k) {
        if (s[k] >= '0' && s[k] <= '9') {
            ++digits;
        } else if (s[k] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return "";
    if (k < s.size()) {
        if (s[k] != 'e' && s[k] != 'E') return "";
        ++k;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        const std::size_t first = k;
        for (; k < s.size(); ++k)
            if (s[k] < '0' || s[k] > '9') return "";
        if (k == first || k - first > 3) return "";  // keep to exponents strtof reads alike
    }
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    line_source src = stream_source(in);
    long reads = 0;
    std::string first_line;
    bool first = true;
    for (;;) {
        const number_read r = read_number_field(src);
        if (r.status == read_status::end_of_input) break;
        FUZZ_CHECK(r.status == read_status::ok || r.status == read_status::bad_value);
        ++reads;
        if (r.status == read_status::ok) {
            for (int w : {2, 7, 9, 13, 30})
                for (int d : {0, 2, 4, 9}) {
                    std::string s;
                    append_fixed(s, w, d, r.value);
                    FUZZ_CHECK(s.size() == std::size_t(w));
                }
        }
        if (first) {
            first = false;
            first_line = input.substr(0, input.find_first_of("\r\n"));
            const std::string plain = plain_decimal(first_line);
            if (!plain.empty()) {
                FUZZ_CHECK(r.status == read_status::ok);
                FUZZ_CHECK(r.value == std::strtof(plain.c_str(), nullptr));
            }
        }
    }
    FUZZ_CHECK(reads == count_lines(input));
    return 0;
}
