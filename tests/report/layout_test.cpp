// Layout rendering, the console sink and its flushing.
#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>

#include "report/text_fields.hpp"

namespace brantover {
namespace {

std::string rendered(layout items, bool prompt = false) {
    std::string s;
    render_layout(s, std::span<const item>(items.begin(), items.size()), prompt);
    return s;
}

TEST(Layout, LineEndsAndBlanksAtTheEndOfALine) {
    // A statement ends its last line with CR LF.
    EXPECT_EQ(rendered({x(8), text("response.")}), "        response.\r\n");
    // A final / leaves an empty line that the end of the statement ends.
    EXPECT_EQ(rendered({x(8), text("response."), nl}), "        response.\r\n\r\n");
    EXPECT_EQ(rendered({nl, nl, nl, x(14), text("RF")}), "\r\n\r\n\r\n              RF\r\n");
    // Blanks followed by / or the end of the statement are not written.
    EXPECT_EQ(rendered({x(1), nl}), "\r\n\r\n");
    EXPECT_EQ(rendered({text("a"), x(10), nl, text("b"), x(3)}), "a\r\nb\r\n");
    EXPECT_EQ(rendered({x(2), x(3), text("c")}), "     c\r\n");
    // Blanks inside a text or a field are always written.
    EXPECT_EQ(rendered({text("ab  ")}), "ab  \r\n");
    EXPECT_EQ(rendered({x(3), a(8, make_text20("BP & BS"))}), "   BP & BS \r\n");
    EXPECT_EQ(rendered({x(6), rep(5, '-')}), "      -----\r\n");
}

TEST(Layout, PromptsLeaveTheirLineOpenWithItsBlanks) {
    EXPECT_EQ(rendered({x(6), text("OPERATION selected = ")}, true), "      OPERATION selected = ");
    EXPECT_EQ(rendered({nl, x(6), text("Q = "), x(2)}, true), "\r\n      Q =   ");
}

TEST(Layout, FieldsTakeTheirValuesInOrder) {
    EXPECT_EQ(
        rendered({x(9), text("Date:"), i(2, 12), text("/"), i(2, 9), text("/"), i(4, 2014),
                  text(" at "), i(2, 14), text(":"), i(2, 3), text(":"), i(2, 7), text("Hours")}),
        "         Date:12/ 9/2014 at 14: 3: 7Hours\r\n");
    EXPECT_EQ(rendered({x(9), f(9, 2, 1000.0f), x(3), f(8, 4, 10.0f)}),
              "           1000.00    10.0000\r\n");
}

// Counts how often the stream is asked to make its output visible.
struct counting_buf : std::stringbuf {
    int syncs = 0;
    int sync() override {
        ++syncs;
        return std::stringbuf::sync();
    }
};

TEST(Console, FlushesAfterPromptsNotAfterLines) {
    counting_buf buf;
    std::ostream out(&buf);
    console con = make_console(out);
    for (int k = 0; k < 1000; ++k) write_layout(con, {x(2), i(5, k)});
    EXPECT_EQ(buf.syncs, 0);
    write_prompt(con, {x(6), text("Q = ")});
    EXPECT_EQ(buf.syncs, 1);
    EXPECT_EQ(buf.str().size(), 1000 * 9 + 10u);
    EXPECT_TRUE(buf.str().ends_with("\r\n    999\r\n      Q = "));
    // The next output continues the prompt's line.
    write_layout(con, {nl, text("x")});
    EXPECT_TRUE(flush(con));
    EXPECT_TRUE(buf.str().ends_with("      Q = \r\nx\r\n"));
}

TEST(Console, ReportsAStreamThatRefusesWrites) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    console con = make_console(out);
    write_layout(con, {text("lost")});
    EXPECT_FALSE(flush(con));
}

}  // namespace
}  // namespace brantover
