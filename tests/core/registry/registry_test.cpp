// The registry: name lookup, aliases, the feed table, the parameter readers and the messages of
// building.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/param_readers.hpp"
#include "core/registry/registry.hpp"
#include "core/registry/type_table.hpp"
#include "indicators/invariant.hpp"

namespace prynox {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

std::string build_error(std::string_view type, std::vector<double> params) {
    auto r = build_indicator(type, params);
    return r ? "" : r.error().display();
}

bool is_built(std::string_view type) {
    auto i = find_type(type);
    return i && type_builder(*i) != nullptr;
}

// ---------------------------------------------------------------- names and feeds

TEST(RegistryNamesTest, UnknownNamesAreReportedExactlyAsWritten) {
    for (std::string name : std::vector<std::string>{"", "R", "rsi", "RSI", "Rsi ", " Sma", "sma", "SMA", "Rs", "Sma\n", "Smaa",
                             "AutocorrelationPeriodogramX", std::string("Sma\0", 4), "NoSuchIndicator"}) {
        auto r = build_indicator(name, std::vector<double>{14});
        ASSERT_FALSE(r) << name;
        EXPECT_EQ(r.error().kind, EngineError::Kind::UnknownIndicator) << name;
        EXPECT_EQ(r.error().first, name);
        EXPECT_EQ(r.error().display(), "unknown indicator type: " + name);
        EXPECT_FALSE(indicator_feed(name)) << name;
    }
}

TEST(RegistryNamesTest, LookupIsExactAndCoversEveryRow) {
    auto rows = type_rows();
    ASSERT_EQ(rows.size(), 495u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(find_type(rows[i].name), i);
        EXPECT_EQ(indicator_feed(rows[i].name), rows[i].feed);
        std::string lower(rows[i].name);
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_TRUE(lower == rows[i].name || !find_type(lower)) << lower;
        EXPECT_FALSE(find_type(std::string(rows[i].name) + " "));
        EXPECT_FALSE(find_type(" " + std::string(rows[i].name)));
        // Every built type has a row in the indicator harness, which checks that it builds.
        EXPECT_TRUE(is_built(rows[i].name) || build_error(rows[i].name, {}) == "unknown indicator type: " + std::string(rows[i].name))
            << rows[i].name;
    }
    const std::pair<const char*, Feed> feeds[] = {{"Rsi", Feed::Kline},        {"Vpin", Feed::Trade},
                                                  {"Microprice", Feed::Orderbook}, {"KylesLambda", Feed::TradeQuote},
                                                  {"FundingRate", Feed::Derivatives}, {"Trin", Feed::CrossSection}};
    for (const auto& [name, feed] : feeds) EXPECT_EQ(indicator_feed(name), feed) << name;
}

TEST(RegistryNamesTest, AliasesBuildTheirFullTypeOrAreUnknownUntilItIsBuilt) {
    EXPECT_FALSE(find_alias("macd"));
    struct Case {
        const char *alias, *type;
        std::vector<double> good, bad;
        const char* bad_message;
    };
    for (const Case& c : {Case{"Macd", "MacdIndicator", {12, 26, 9}, {0, 26, 9}, "parameter #0 must be a positive integer, got 0"},
                          Case{"Bollinger", "BollingerBands", {20, 2}, {20, -1}, "multiplier must be greater than zero"}}) {
        EXPECT_EQ(find_alias(c.alias), c.type);
        EXPECT_FALSE(find_type(c.alias));
        EXPECT_FALSE(indicator_feed(c.alias));
        if (is_built(c.type)) {
            auto a = build_indicator(c.alias, c.good);
            auto t = build_indicator(c.type, c.good);
            ASSERT_TRUE(a && t);
            EXPECT_EQ((*a)->warmup_period(), (*t)->warmup_period());
            EXPECT_EQ(build_error(c.alias, c.bad), std::string("invalid parameters for indicator ") + c.type + ": " + c.bad_message);
        } else {
            EXPECT_EQ(build_error(c.alias, c.good), std::string("unknown indicator type: ") + c.alias);
        }
    }
}

// ---------------------------------------------------------------- readers and building

TEST(ParamReadersTest, ValuesAndRefusals) {
    struct Case {
        char kind;
        std::vector<double> params;
        std::size_t k;
        double value;         // expected value on success
        const char* message;  // expected refusal, or null
    };
    const double max_count = 18446744073709551615.0;
    const Case cases[] = {
        {'F', {}, 0, 0, "missing parameter #0"},           {'F', {1.0}, 1, 0, "missing parameter #1"},
        {'F', {kNaN}, 0, 0, "parameter #0 must be finite"}, {'F', {1, kInf}, 1, 0, "parameter #1 must be finite"},
        {'F', {-kInf}, 0, 0, "parameter #0 must be finite"}, {'F', {-0.0}, 0, -0.0, nullptr},
        {'F', {5e-324}, 0, 5e-324, nullptr},               {'P', {14.0}, 0, 14, nullptr},
        {'P', {14.5}, 0, 0, "parameter #0 must be a positive integer, got 14.5"},
        {'P', {1, 2, -3}, 2, 0, "parameter #2 must be a positive integer, got -3"},
        {'P', {0.0}, 0, 0, "parameter #0 must be a positive integer, got 0"},
        {'P', {-0.0}, 0, 0, "parameter #0 must be a positive integer, got -0"},
        {'P', {1e-17}, 0, 0, nullptr},                     {'P', {1.0000000000000002}, 0, 1, nullptr},
        {'P', {0.9999999999999999}, 0, 0, "parameter #0 must be a positive integer, got 0.9999999999999999"},
        {'P', {1e300}, 0, max_count, nullptr},             {'P', {18446744073709551616.0}, 0, max_count, nullptr},
        {'P', {1e20}, 0, max_count, nullptr},              {'P', {kNaN}, 0, 0, "parameter #0 must be finite"},
        {'P', {}, 0, 0, "missing parameter #0"},           {'I', {-2147483648.0}, 0, -2147483648.0, nullptr},
        {'I', {2147483647.0}, 0, 2147483647.0, nullptr},   {'I', {2147483648.0}, 0, 0, "parameter #0 must be an i32, got 2147483648"},
        {'I', {-2147483649.0}, 0, 0, "parameter #0 must be an i32, got -2147483649"},
        {'I', {1e-17}, 0, 0, nullptr},                     {'I', {-300.0}, 0, -300, nullptr},
        {'I', {2.5}, 0, 0, "parameter #0 must be an i32, got 2.5"},
        {'I', {3e9}, 0, 0, "parameter #0 must be an i32, got 3000000000"},
        {'U', {-1.0}, 0, 0, "parameter #0 must be a u32, got -1"}, {'U', {-0.0}, 0, 0, nullptr},
        {'U', {4294967295.0}, 0, 4294967295.0, nullptr},  {'U', {4294967296.0}, 0, 0, "parameter #0 must be a u32, got 4294967296"},
        {'U', {0.5}, 0, 0, "parameter #0 must be a u32, got 0.5"},
    };
    for (const auto& c : cases) {
        std::string msg;
        double got = 0;
        auto take = [&](auto r) {
            if (r) got = static_cast<double>(*r); else msg = r.error().second;
        };
        switch (c.kind) {
            case 'F': take(param_f64(c.params, c.k, "Test")); break;
            case 'P': take(param_positive_int(c.params, c.k, "Test")); break;
            case 'I': take(param_i32(c.params, c.k, "Test")); break;
            default: take(param_u32(c.params, c.k, "Test")); break;
        }
        EXPECT_EQ(msg, c.message ? c.message : "") << c.kind << " #" << c.k;
        EXPECT_EQ(got, c.message ? 0.0 : c.value) << c.kind << " #" << c.k;  // 0 when refused
    }
    // the count saturates exactly, beyond what a double can tell apart
    EXPECT_EQ(*param_positive_int(std::vector<double>{1e300}, 0, "T"), std::numeric_limits<std::uint64_t>::max());
    auto r = param_positive_int(std::vector<double>{14.5}, 0, "Rsi");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().kind, EngineError::Kind::InvalidParameters);
    EXPECT_EQ(r.error().first, "Rsi");
}

TEST(BuildIndicatorTest, MessagesOfBuilding) {
    const std::string too_long = "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";
    const std::tuple<const char*, std::vector<double>, std::string> cases[] = {
        {"Sma", {14, 99, -1}, ""},  // extra parameters are ignored
        {"T3", {}, "missing parameter #0"},
        {"T3", {5}, "missing parameter #1"},
        {"T3", {0.5}, "parameter #0 must be a positive integer, got 0.5"},
        {"Sma", {16777216}, ""},
        {"Sma", {16777217}, too_long},
        {"Sma", {1e300}, too_long},
        {"Sma", {1e-17}, "period must be greater than zero"},
    };
    for (const auto& [type, params, message] : cases)
        EXPECT_EQ(build_error(type, params), message.empty() ? "" : "invalid parameters for indicator " + std::string(type) + ": " + message)
            << type << " " << params.size();
    EXPECT_EQ((*build_indicator("Sma", std::vector<double>{14, 99, -1}))->warmup_period(), 14u);
}

TEST(BuildIndicatorTest, OutputsOfSingleSeriesTypesAreEmpty) {
    auto r = build_indicator("Ema", std::vector<double>{3});
    ASSERT_TRUE(r);
    Candle c{0, 1, 1, 1, 1, 0};
    BarContext ctx;
    ctx.candle = &c;
    for (int i = 0; i < 3; ++i) (void)(*r)->update(ctx);
    EXPECT_TRUE((*r)->outputs().empty());
}

}  // namespace
}  // namespace prynox
