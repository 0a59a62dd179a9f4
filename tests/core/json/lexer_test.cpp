// What the JSON corpus cannot reach through a command: errors of a lexer made without
// positions, and the quick skip over checked text, which must stop where the checking skip does.
#include "core/json/lexer.hpp"

#include <gtest/gtest.h>

#include <string>

namespace prynox {
namespace {

TEST(Lexer, ErrorsWithoutPositions) {
    const std::pair<std::string, std::string> cases[] = {
        {"[1,]", syntax::kTrailingComma},     {"\"\\q\"", syntax::kInvalidEscape},
        {"[1e400]", syntax::kNumberOutOfRange}, {"{\"a\"\n:1", syntax::kEofObject},
        {"[\"\xC3\"]", syntax::kInvalidUnicode},
    };
    for (const auto& [text, message] : cases) {
        Lexer lx(text, false);
        auto s = lx.skip_value(true);
        ASSERT_FALSE(s) << text;
        EXPECT_FALSE(s.error().has_position) << text;
        EXPECT_EQ(s.error().display(), message) << text;
    }
}

TEST(Lexer, CheckedSkipStopsWhereTheCheckingSkipStops) {
    for (const std::string value : {R"("\\")", R"("a\"b")", R"("\\\\\"")", R"(["]",{"}":"\\\""}])", "-1.5e+3", "true",
                                    "null", R"({"a":[{}],"b":{}})", "[[],[[]]]", R"("é\u00e9")", "0"}) {
        for (const std::string after : {"", ",1", "]", "} ", " x"}) {
            const std::string text = " " + value + after;
            Lexer checking(text, true);
            ASSERT_TRUE(checking.skip_value(true)) << text;
            Lexer quick(text, true);
            quick.set_checked(true);
            ASSERT_TRUE(quick.skip_rest()) << text;
            EXPECT_EQ(quick.index(), checking.index()) << text;
            EXPECT_EQ(checking.index(), text.size() - after.size()) << text;
        }
    }
}

}  // namespace
}  // namespace prynox
