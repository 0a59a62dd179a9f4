#include "core/engine/timeframe.hpp"

#include <gtest/gtest.h>

#include <string>

namespace prynox {
namespace {

struct TimeframeCase {
    std::string text;
    std::uint64_t ms;       // when accepted
    std::string refusal;    // when refused
};

TEST(EngineTimeframe, MatrixOfOutcomes) {
    const TimeframeCase cases[] = {
        {"1m", 60000, ""},
        {"  15m  ", 900000, ""},
        {"05s", 5000, ""},
        {"1s", 1000, ""},
        {"2h", 7200000, ""},
        {"1d", 86400000, ""},
        {"1w", 604800000, ""},
        {"\t\n15m\r\x0b\x0c", 900000, ""},
        {"\xC2\xA0" "15m" "\xE3\x80\x80", 900000, ""},
        {"\xE2\x80\xA8" "3m" "\xC2\x85", 180000, ""},
        {"30500568904w", 18446744073139200000ull, ""},
        {"1M", 0, "timeframe bad unit: 1M"},
        {"1min", 0, "timeframe bad unit: 1min"},
        {"1.5h", 0, "timeframe bad unit: 1.5h"},
        {"1 h", 0, "timeframe bad unit: 1 h"},
        {"5mm", 0, "timeframe bad unit: 5mm"},
        {"5\xC3\xA9", 0, "timeframe bad unit: 5\xC3\xA9"},
        {"+1m", 0, "timeframe bad count: +1m"},
        {"-1m", 0, "timeframe bad count: -1m"},
        {"m", 0, "timeframe bad count: m"},
        {" m ", 0, "timeframe bad count: m"},
        {"", 0, "timeframe missing unit: "},
        {"   ", 0, "timeframe missing unit: "},
        {"15", 0, "timeframe missing unit: 15"},
        {" 15 ", 0, "timeframe missing unit: 15"},
        {"0d", 0, "timeframe count must be > 0: 0d"},
        {"000s", 0, "timeframe count must be > 0: 000s"},
        {"30500568905w", 0, "timeframe too long: 30500568905w"},
        {"18446744073709552s", 0, "timeframe too long: 18446744073709552s"},
        {"18446744073709551615s", 0, "timeframe too long: 18446744073709551615s"},
        {"18446744073709551616s", 0, "timeframe bad count: 18446744073709551616s"},
        {"99999999999999999999s", 0, "timeframe bad count: 99999999999999999999s"},
        {"00000000000000000000000001s", 1000, ""},
        {"\xC2\xA0", 0, "timeframe missing unit: "},
        // U+00A1 is not white space: it stays and is the unit.
        {"1\xC2\xA1", 0, "timeframe bad unit: 1\xC2\xA1"},
    };
    for (const TimeframeCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto r = timeframe_ms(c.text);
        if (c.refusal.empty()) {
            ASSERT_TRUE(r.has_value()) << r.error();
            EXPECT_EQ(*r, c.ms);
        } else {
            ASSERT_FALSE(r.has_value()) << *r;
            EXPECT_EQ(r.error(), c.refusal);
        }
    }
}

}  // namespace
}  // namespace prynox
