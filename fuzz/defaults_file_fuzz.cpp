// The defaults file reader on arbitrary file contents: it either accepts the
// file with every default in range, or prints exactly one of its two messages.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "fuzz_check.hpp"
#include "fuzz_folder.hpp"
#include "run/defaults.hpp"

namespace {

using namespace brantover;

bool is_message(const std::string& out) {
    const std::string eof_head =
        "      `End of file` in Brantover`s default data file (Brantover.DEF).\r\n"
        "      Entry missing for variable ";
    const std::string eof_tail =
        "\r\n      Fix entry for this variable in Brantover.DEF and try again.\r\n";
    const std::string error_head =
        "      Error exists in Brantover`s default data file (Brantover.DEF).\r\n"
        "      Fix entry for variable ";
    const std::string error_tail = " and try again.\r\n";
    if (out.size() == eof_head.size() + 20 + eof_tail.size())
        return out.starts_with(eof_head) && out.ends_with(eof_tail);
    if (out.size() == error_head.size() + 20 + error_tail.size())
        return out.starts_with(error_head) && out.ends_with(error_tail);
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = fuzz_folder() + "/Brantover.DEF";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));

    std::ostringstream out, err;
    session s;
    s.con = make_console(out);
    s.err = make_console(err);
    s.folder = ::open(fuzz_folder().c_str(), O_RDONLY | O_DIRECTORY);
    FUZZ_CHECK(s.folder >= 0);
    FUZZ_CHECK(open_defaults(s));
    default_data def;
    design_data dd;
    const defaults_result result = read_defaults(s, def, dd);
    flush(s.con);
    ::close(s.defaults_fd);
    ::close(s.folder);

    FUZZ_CHECK(result != defaults_result::fatal);
    FUZZ_CHECK(err.str().empty());
    if (result == defaults_result::message) {
        FUZZ_CHECK(is_message(out.str()));
        return 0;
    }
    FUZZ_CHECK(out.str().empty());
    FUZZ_CHECK(def.iselectdef >= 1 && def.iselectdef <= 3);
    FUZZ_CHECK(def.iopdef >= 1 && def.iopdef <= 4);
    FUZZ_CHECK(def.f0def > 0.0f && !(def.bwdef < 0.0f));
    FUZZ_CHECK(def.rippledef > 0.0f);
    FUZZ_CHECK(def.f1def > 0.0f && (def.f1def < dd.flow || def.f1def > dd.fhigh));
    FUZZ_CHECK(!(def.a1def < 0.0f));
    FUZZ_CHECK(def.ndef >= 2);
    FUZZ_CHECK(def.qudef > 0.0f && def.fstartdef > 0.0f && def.delfdef > 0.0f);
    FUZZ_CHECK(def.fmaxdef >= def.fstartdef);
    FUZZ_CHECK(!all_blank(def.fndef));
    return 0;
}
