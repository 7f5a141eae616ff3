// The whole program in-process on arbitrary input: the bytes before the first
// SOH (0x01) are the defaults file, the rest is standard input; without an
// SOH the example defaults file is used. What must always hold:
// - the exit status is 0 or 2, and the run ends;
// - console lines end with CR LF, only a prompt's line may be left open;
// - nothing reaches standard output after a fatal diagnostic;
// - each stored report holds exactly lines the console showed.
// Input is capped, and so is the console (a full console ends the sweep), so
// one run stays short. File names cannot leave the fuzzing folder: '/' in the
// answers becomes '_'.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>

#include "fuzz_check.hpp"
#include "fuzz_folder.hpp"
#include "run/driver.hpp"

namespace {

using namespace brantover;

constexpr std::size_t input_cap = 4096;
constexpr std::size_t console_cap = 1 << 20;

const char* example =
    "example\n1\n1\n1000\n50\n0.05\n1100\n40\n5\n1000\n900\n1100\n5\nfilter.txt\n";

// Standard output and standard error on one timeline.
struct timeline {
    std::string out, err;
    std::size_t out_at_first_err = std::string::npos;
    bool out_refused = false;
};

struct out_buf : std::streambuf {
    timeline& t;
    explicit out_buf(timeline& tl) : t(tl) {}
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (t.out.size() + std::size_t(n) > console_cap) {
            t.out_refused = true;
            return 0;
        }
        t.out.append(s, std::size_t(n));
        return n;
    }
    int_type overflow(int_type c) override {
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
};

struct err_buf : std::streambuf {
    timeline& t;
    explicit err_buf(timeline& tl) : t(tl) {}
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (t.out_at_first_err == std::string::npos) t.out_at_first_err = t.out.size();
        t.err.append(s, std::size_t(n));
        return n;
    }
    int_type overflow(int_type c) override {
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
};

// No CR or LF but in CR LF pairs; an unended last line is an open prompt.
bool lines_end_with_cr_lf(const std::string& s) {
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '\r' && (k + 1 == s.size() || s[k + 1] != '\n')) return false;
        if (s[k] == '\n' && (k == 0 || s[k - 1] != '\r')) return false;
    }
    return s.empty() || s.ends_with("\r\n") || s.ends_with(" ");
}

// Each stored report (up to and including its storage line) is console text.
bool stored_reports_were_shown(const std::string& stored, const std::string& console) {
    const std::string mark = "Output data stored in User filename: ";
    std::size_t begin = 0;
    while (begin < stored.size()) {
        std::size_t end = stored.find(mark, begin);
        end = end == std::string::npos ? stored.size() : std::min(stored.size(), end + mark.size() + 22);
        if (console.find(stored.substr(begin, end - begin)) == std::string::npos) return false;
        begin = end;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string defaults = example;
    if (const auto soh = input.find('\x01'); soh != std::string::npos) {
        defaults = input.substr(0, soh);
        input.erase(0, soh + 1);
    }
    if (input.size() > input_cap) input.resize(input_cap);
    for (char& c : input)
        if (c == '/') c = '_';

    const std::filesystem::path folder = fuzz_folder();
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove_all(entry.path());
    std::ofstream(folder / "Brantover.DEF", std::ios::binary) << defaults;

    timeline t;
    out_buf ob(t);
    err_buf eb(t);
    std::ostream out(&ob), err(&eb);
    std::istringstream in(input);
    program_io io{in, out, err, [] { return date_time{2014, 12, 9, 14, 3, 7}; }, folder.string()};
    const int status = run_program(io);

    FUZZ_CHECK(status == 0 || status == 2);
    FUZZ_CHECK((status == 2) == !t.err.empty());
    FUZZ_CHECK(t.out_at_first_err == std::string::npos || t.out_at_first_err == t.out.size());
    FUZZ_CHECK(lines_end_with_cr_lf(t.out));
    FUZZ_CHECK(t.err.empty() || (lines_end_with_cr_lf(t.err) && t.err.ends_with("\r\n")));
    if (!t.out_refused) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == "Brantover.DEF") continue;
            std::ifstream f(entry.path(), std::ios::binary);
            std::ostringstream stored;
            stored << f.rdbuf();
            FUZZ_CHECK(stored_reports_were_shown(stored.str(), t.out));
        }
    }
    return 0;
}
