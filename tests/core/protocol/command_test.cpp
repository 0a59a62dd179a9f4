#include "core/protocol/command.hpp"

#include <gtest/gtest.h>

#include <string>

#include "../json/json_test_support.hpp"

namespace prynox {
namespace {

std::string answer(const std::string& cmd, std::optional<ImpactSpec>* slot = nullptr) {
    std::optional<ImpactSpec> empty;
    return run_command(slot ? *slot : empty, cmd);
}

struct ProtocolCase {
    std::string cmd;
    std::string answer;
};

TEST(CommandProtocol, AnswersOfAHandleWithoutSpecification) {
    const std::string deep127 = std::string(127, '[') + std::string(127, ']');
    const std::string deep128 = std::string(128, '[') + std::string(128, ']');
    const ProtocolCase cases[] = {
        {R"({"cmd":"version"})", R"({"version":"0.2.0"})"},
        {R"({"cmd":"version","spec":5})", R"({"version":"0.2.0"})"},
        {R"( {"cmd":"version"} )", R"({"version":"0.2.0"})"},
        {R"({"cmd":"VERSION"})", R"({"ok":false,"error":"bad spec: unknown cmd: VERSION"})"},
        {R"({"cmd":" run"})", R"({"ok":false,"error":"bad spec: unknown cmd:  run"})"},
        {R"({"cmd":1})", R"({"ok":false,"error":"parse: missing cmd"})"},
        {R"([])", R"({"ok":false,"error":"parse: missing cmd"})"},
        {R"({})", R"({"ok":false,"error":"parse: missing cmd"})"},
        {R"({"command":"run"})", R"({"ok":false,"error":"parse: missing cmd"})"},
        {R"("run")", R"({"ok":false,"error":"parse: missing cmd"})"},
        {R"({"cmd":"\u0072un"})", R"({"ok":false,"error":"parse: missing data"})"},
        {R"({"cmd":"run","cmd":"version"})", R"({"version":"0.2.0"})"},
        {R"({"cmd":"version","cmd":7})", R"({"ok":false,"error":"parse: missing cmd"})"},
        {R"({"cmd":"version"} {"cmd":"version"})",
         R"({"ok":false,"error":"parse: trailing characters at line 1 column 19"})"},
        {R"({"cmd":"run"})", R"({"ok":false,"error":"parse: missing data"})"},
        {R"({"cmd":"run","data":{"candles":[]}})", R"({"ok":false,"error":"bad spec: no spec set"})"},
        {R"({"cmd":"run","data":{"capital":5000}})",
         R"({"ok":false,"error":"parse: missing field `candles`"})"},
        {R"({"cmd":"set_spec"})", R"({"ok":false,"error":"parse: missing spec"})"},
        {R"({"cmd":"a\"b\nc\u0001\\"})", R"({"ok":false,"error":"bad spec: unknown cmd: a\"b\nc\u0001\\"})"},
        {R"({"cmd":"é/"})", R"({"ok":false,"error":"bad spec: unknown cmd: é/"})"},
        {"", R"({"ok":false,"error":"parse: EOF while parsing a value at line 1 column 0"})"},
        {R"({"cmd":"version")", R"({"ok":false,"error":"parse: EOF while parsing an object at line 1 column 16"})"},
        {R"({"cmd" "version"})", R"({"ok":false,"error":"parse: expected `:` at line 1 column 8"})"},
        {R"({"cmd":"version",})", R"({"ok":false,"error":"parse: trailing comma at line 1 column 18"})"},
        {R"({"cmd":"version" 1})", R"({"ok":false,"error":"parse: expected `,` or `}` at line 1 column 18"})"},
        {R"({1:2})", R"({"ok":false,"error":"parse: key must be a string at line 1 column 2"})"},
        {R"([1,2,])", R"({"ok":false,"error":"parse: trailing comma at line 1 column 6"})"},
        {R"([1 2])", R"({"ok":false,"error":"parse: expected `,` or `]` at line 1 column 4"})"},
        {R"([tru])", R"({"ok":false,"error":"parse: expected ident at line 1 column 5"})"},
        {R"([01])", R"({"ok":false,"error":"parse: invalid number at line 1 column 3"})"},
        {R"([1e400])", R"({"ok":false,"error":"parse: number out of range at line 1 column 6"})"},
        {R"(["\q"])", R"({"ok":false,"error":"parse: invalid escape at line 1 column 4"})"},
        {"[\"a\x01\"]",
         R"({"ok":false,"error":"parse: control character (\\u0000-\\u001F) found while parsing a string at line 1 column 4"})"},
        {"{\"cmd\":\n  \"version\" x}", R"({"ok":false,"error":"parse: expected `,` or `}` at line 2 column 13"})"},
        {deep127, R"({"ok":false,"error":"parse: missing cmd"})"},
        {deep128, R"({"ok":false,"error":"parse: recursion limit exceeded at line 1 column 128"})"},
        {R"({"cmd":"version","x":)" + deep128 + "}",
         R"({"ok":false,"error":"parse: recursion limit exceeded at line 1 column 148"})"},
    };
    for (const auto& c : cases) EXPECT_EQ(answer(c.cmd), c.answer) << c.cmd;
}

TEST(CommandProtocol, MarketDataIsReadWhereItStands) {
    const ProtocolCase cases[] = {
        // a syntax error anywhere wins over a reading error of the data
        {R"({"cmd":"run","data":{"candles":5},"x":[1,]})",
         R"({"ok":false,"error":"parse: trailing comma at line 1 column 42"})"},
        {R"({"cmd":"run","data":{"candles":[{"time":"t"},{"time":1,}]}})",
         R"({"ok":false,"error":"parse: trailing comma at line 1 column 56"})"},
        {R"({"cmd":"run","data":{"capital":[1e999]}})",
         R"({"ok":false,"error":"parse: number out of range at line 1 column 37"})"},
        {R"({"data":{"candles":5},"cmd":"version"})", R"({"version":"0.2.0"})"},
        {R"({"cmd":"run","data":{"candles":5},"data":{"candles":[]}})", R"({"ok":false,"error":"bad spec: no spec set"})"},
        {R"({"cmd":"run","data":{"candles":[]},"data":{"candles":5}})",
         R"({"ok":false,"error":"parse: invalid type: integer `5`, expected a sequence"})"},
        // of two bad members the one whose key sorts first is reported
        {R"({"cmd":"run","data":{"trades":7,"candles":5,"books":3}})",
         R"({"ok":false,"error":"parse: invalid type: integer `3`, expected a sequence"})"},
        {R"({"cmd":"run","data":{"candles":[{"time":1,"open":1,"high":1,"low":1,"close":"c","volume":"v"}]}})",
         R"({"ok":false,"error":"parse: invalid type: string \"c\", expected f64"})"},
        {R"({"cmd":"run","data":)" + std::string(126, '[') + std::string(126, ']') + "}",
         R"({"ok":false,"error":"parse: invalid type: sequence, expected i64"})"},
        {R"({"cmd":"run","data":)" + std::string(127, '[') + std::string(127, ']') + "}",
         R"({"ok":false,"error":"parse: recursion limit exceeded at line 1 column 147"})"},
    };
    for (const auto& c : cases) EXPECT_EQ(answer(c.cmd), c.answer) << c.cmd;
}

// A member value of a market record runs straight into a bracket: the text is no JSON, in the
// object form of a record as in its array form.
TEST(CommandProtocol, RecordValueRunIntoABracketIsASyntaxError) {
    const ProtocolCase cases[] = {
        {R"({"cmd":"run","data":{"candles":[{"time":1,"open":1[2],"high":1,"low":1,"close":1}]}})",
         R"({"ok":false,"error":"parse: expected `,` or `}` at line 1 column 51"})"},
        {R"({"cmd":"run","data":{"candles":[{"time":1,"open":1{"a":2},"high":1,"low":1,"close":1}]}})",
         R"({"ok":false,"error":"parse: expected `,` or `}` at line 1 column 51"})"},
        {R"({"cmd":"run","data":{"trades":[[{"price":1,"size":1,"side":"buy"[1]}]],"candles":[]}})",
         R"({"ok":false,"error":"parse: expected `,` or `}` at line 1 column 65"})"},
        {R"({"cmd":"run","data":{"candles":[[1,1[2],1,1,1]]}})",
         R"({"ok":false,"error":"parse: expected `,` or `]` at line 1 column 37"})"},
    };
    for (const auto& c : cases) EXPECT_EQ(answer(c.cmd), c.answer) << c.cmd;
}

// An object naming a trade's side is one level of nesting, in a trade written as an object as in
// one written as an array: 122 levels inside it reach the limit of 128.
TEST(CommandProtocol, SideObjectCountsItsOwnLevel) {
    const auto nested = [](int depth) { return std::string(depth, '[') + std::string(depth, ']'); };
    const auto object_form = [&](int depth) {
        return R"({"cmd":"run","data":{"candles":[],"trades":[[{"price":1,"size":1,"side":{"buy":)" + nested(depth) +
               R"(,"buy":null}}]]}})";
    };
    const auto array_form = [&](int depth) {
        return R"({"cmd":"run","data":{"candles":[],"trades":[[[1,1,{"buy":)" + nested(depth) + R"(,"buy":null}]]]}})";
    };
    const ProtocolCase cases[] = {
        {object_form(121), R"({"ok":false,"error":"bad spec: no spec set"})"},
        {object_form(122), R"({"ok":false,"error":"parse: recursion limit exceeded at line 1 column 201"})"},
        {array_form(121), R"({"ok":false,"error":"bad spec: no spec set"})"},
        {array_form(122), R"({"ok":false,"error":"parse: recursion limit exceeded at line 1 column 179"})"},
    };
    for (const auto& c : cases) EXPECT_EQ(answer(c.cmd), c.answer) << c.cmd;
}

TEST(CommandProtocol, SetSpecReplacesOnlyOnSuccess) {
    std::optional<ImpactSpec> slot;
    EXPECT_EQ(answer(R"({"cmd":"set_spec","spec":)" + testing::spec_with() + "}", &slot), R"({"ok":true})");
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->strategy.symbol, "BTC");
    EXPECT_EQ(answer(R"({"cmd":"set_spec","spec":{"strategy":1}})", &slot),
              R"({"ok":false,"error":"parse: invalid type: integer `1`, expected struct StrategySpec"})");
    ASSERT_TRUE(slot);
    EXPECT_EQ(slot->strategy.symbol, "BTC");
}

TEST(CommandProtocol, ConstructorText) {
    for (const char* blank : {"", "   ", "{}", " \n{}\t ", "\xE3\x80\x80{}\xC2\xA0"}) {
        auto r = spec_from_constructor_text(blank);
        ASSERT_TRUE(r) << blank;
        EXPECT_FALSE(*r) << blank;
    }
    auto r = spec_from_constructor_text("{ }");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().display(), "parse: missing field `strategy` at line 1 column 3");
    r = spec_from_constructor_text("[]");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().display(), "parse: invalid length 0, expected struct ImpactSpec with 4 elements at line 1 column 2");
    r = spec_from_constructor_text(" null");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().display(), "parse: invalid type: null, expected struct ImpactSpec at line 1 column 5");
}

}  // namespace
}  // namespace prynox
