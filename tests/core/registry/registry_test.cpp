// The registry: name lookup, aliases, the feed table, the parameter readers and their
// messages, the numbers inside messages, and the consistency of the family rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/registry/param_readers.hpp"
#include "core/registry/registry.hpp"
#include "core/registry/type_table.hpp"
#include "core/text/float_text.hpp"
#include "indicators/invariant.hpp"

namespace prynox {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Numbers inside messages use the message layout of the text layer.
std::string message_number(double v) {
    std::string s;
    append_float_plain(s, v);
    return s;
}

std::string build_error(std::string_view type, std::vector<double> params) {
    auto r = build_indicator(type, params);
    if (r) return "";
    return r.error().display();
}

bool is_built(std::string_view type) {
    auto i = find_type(type);
    return i && type_builder(*i) != nullptr;
}

// ---------------------------------------------------------------- names

TEST(RegistryNamesTest, UnknownNamesAreReportedExactlyAsWritten) {
    for (std::string name : std::vector<std::string>{"", "R", "rsi", "RSI", "Rsi ", " Sma", "sma", "SMA", "Rs", "Sma\n", "Smaa",
                             "AutocorrelationPeriodogramX", std::string("Sma\0", 4), "NoSuchIndicator"}) {
        auto r = build_indicator(name, std::vector<double>{14});
        ASSERT_FALSE(r) << name;
        EXPECT_EQ(r.error().kind, EngineError::Kind::UnknownIndicator) << name;
        EXPECT_EQ(r.error().first, name);
        EXPECT_EQ(r.error().display(), "unknown indicator type: " + name);
    }
    EXPECT_EQ(build_error("", {}), "unknown indicator type: ");
}

TEST(RegistryNamesTest, LookupIsExactAndCoversEveryRow) {
    auto rows = type_rows();
    ASSERT_EQ(rows.size(), 495u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(find_type(rows[i].name), i);
        std::string lower(rows[i].name);
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        if (lower != rows[i].name) {
            EXPECT_FALSE(find_type(lower)) << lower;
        }
        EXPECT_FALSE(find_type(std::string(rows[i].name) + " "));
        EXPECT_FALSE(find_type(" " + std::string(rows[i].name)));
    }
}

TEST(RegistryNamesTest, AliasesBuildTheirFullTypeOrAreUnknownUntilItIsBuilt) {
    EXPECT_EQ(find_alias("Macd"), "MacdIndicator");
    EXPECT_EQ(find_alias("Bollinger"), "BollingerBands");
    EXPECT_FALSE(find_type("Macd"));
    EXPECT_FALSE(find_type("Bollinger"));
    EXPECT_FALSE(find_alias("macd"));
    struct Case {
        const char* alias;
        const char* type;
        std::vector<double> good;
        std::vector<double> bad;
        const char* bad_message;
    };
    for (const Case& c : {Case{"Macd", "MacdIndicator", {12, 26, 9}, {0, 26, 9},
                               "parameter #0 must be a positive integer, got 0"},
                          Case{"Bollinger", "BollingerBands", {20, 2}, {20, -1}, "multiplier must be greater than zero"}}) {
        if (is_built(c.type)) {
            auto a = build_indicator(c.alias, c.good);
            auto t = build_indicator(c.type, c.good);
            ASSERT_TRUE(a && t);
            EXPECT_EQ((*a)->warmup_period(), (*t)->warmup_period());
            EXPECT_EQ(build_error(c.alias, c.bad),
                      std::string("invalid parameters for indicator ") + c.type + ": " + c.bad_message);
        } else {
            EXPECT_EQ(build_error(c.alias, c.good), std::string("unknown indicator type: ") + c.alias);
        }
    }
}

TEST(RegistryNamesTest, TypesWithoutABuilderAreUnknown) {
    // Every built type has a row in the indicator harness, which checks that it builds.
    for (const auto& row : type_rows()) {
        if (is_built(row.name)) continue;
        EXPECT_EQ(build_error(row.name, {}), "unknown indicator type: " + std::string(row.name));
        // ... but the feed table knows them.
        EXPECT_EQ(indicator_feed(row.name), row.feed);
    }
}

// ---------------------------------------------------------------- feeds

TEST(FeedTableTest, NamedFeeds) {
    const std::map<std::string, std::set<std::string>> lists = {
        {"Trade",
         {"AmihudIlliquidity", "CumulativeVolumeDelta", "Pin", "RollMeasure", "SignedVolume", "TradeImbalance",
          "TradeSignAutocorrelation", "Vpin"}},
        {"Orderbook",
         {"DepthSlope", "Microprice", "OrderBookImbalanceFull", "OrderBookImbalanceTop1", "OrderBookImbalanceTopN",
          "OrderFlowImbalance", "QuotedSpread"}},
        {"TradeQuote", {"EffectiveSpread", "KylesLambda", "RealizedSpread"}},
        {"Derivatives",
         {"CalendarSpread", "FundingBasis", "FundingImpliedApr", "FundingRate", "FundingRateMean", "FundingRateZScore",
          "LiquidationFeatures", "LongShortRatio", "OIPriceDivergence", "OIWeighted", "OiToVolumeRatio",
          "OpenInterestDelta", "OpenInterestMomentum", "PerpetualPremiumIndex", "TakerBuySellRatio",
          "TermStructureBasis"}},
        {"CrossSection",
         {"AbsoluteBreadthIndex", "AdVolumeLine", "AdvanceDecline", "AdvanceDeclineRatio", "BreadthThrust",
          "BullishPercentIndex", "CumulativeVolumeIndex", "HighLowIndex", "McClellanOscillator",
          "McClellanSummationIndex", "NewHighsNewLows", "PercentAboveMa", "TickIndex", "Trin", "UpDownVolumeRatio"}},
    };
    for (const auto& row : type_rows()) {
        std::string feed(feed_name(row.feed));
        if (feed == "Kline") {
            for (const auto& [f, names] : lists) EXPECT_FALSE(names.count(std::string(row.name))) << row.name;
        } else {
            EXPECT_TRUE(lists.at(feed).count(std::string(row.name))) << row.name;
        }
    }
    EXPECT_EQ(indicator_feed("Rsi"), Feed::Kline);
    EXPECT_EQ(indicator_feed("Vpin"), Feed::Trade);
    EXPECT_EQ(indicator_feed("Microprice"), Feed::Orderbook);
    EXPECT_EQ(indicator_feed("KylesLambda"), Feed::TradeQuote);
    EXPECT_EQ(indicator_feed("FundingRate"), Feed::Derivatives);
    EXPECT_EQ(indicator_feed("Trin"), Feed::CrossSection);
    for (const char* name : {"Macd", "Bollinger", "rsi", "", "Rsi "}) EXPECT_FALSE(indicator_feed(name)) << name;
}

// ---------------------------------------------------------------- readers

struct ReaderCase {
    char kind;
    std::vector<double> params;
    std::size_t k;
    double value;         // expected value on success
    const char* message;  // expected refusal, or null
};

TEST(ParamReadersTest, ValuesAndRefusals) {
    const double two64 = 18446744073709551616.0;
    const std::vector<ReaderCase> cases = {
        {'F', {}, 0, 0, "missing parameter #0"},
        {'F', {1.0}, 1, 0, "missing parameter #1"},
        {'F', {kNaN}, 0, 0, "parameter #0 must be finite"},
        {'F', {1, kInf}, 1, 0, "parameter #1 must be finite"},
        {'F', {-kInf}, 0, 0, "parameter #0 must be finite"},
        {'F', {-0.0}, 0, -0.0, nullptr},
        {'F', {5e-324}, 0, 5e-324, nullptr},
        {'P', {14.0}, 0, 14, nullptr},
        {'P', {14.5}, 0, 0, "parameter #0 must be a positive integer, got 14.5"},
        {'P', {1, 2, -3}, 2, 0, "parameter #2 must be a positive integer, got -3"},
        {'P', {0.0}, 0, 0, "parameter #0 must be a positive integer, got 0"},
        {'P', {-0.0}, 0, 0, "parameter #0 must be a positive integer, got -0"},
        {'P', {1e-17}, 0, 0, nullptr},
        {'P', {1.0000000000000002}, 0, 1, nullptr},
        {'P', {0.9999999999999999}, 0, 0, "parameter #0 must be a positive integer, got 0.9999999999999999"},
        {'P', {1e300}, 0, 18446744073709551615.0, nullptr},
        {'P', {two64}, 0, 18446744073709551615.0, nullptr},
        {'P', {1e20}, 0, 18446744073709551615.0, nullptr},
        {'P', {kNaN}, 0, 0, "parameter #0 must be finite"},
        {'P', {}, 0, 0, "missing parameter #0"},
        {'I', {-2147483648.0}, 0, -2147483648.0, nullptr},
        {'I', {2147483647.0}, 0, 2147483647.0, nullptr},
        {'I', {2147483648.0}, 0, 0, "parameter #0 must be an i32, got 2147483648"},
        {'I', {-2147483649.0}, 0, 0, "parameter #0 must be an i32, got -2147483649"},
        {'I', {1e-17}, 0, 0, nullptr},
        {'I', {-300.0}, 0, -300, nullptr},
        {'I', {2.5}, 0, 0, "parameter #0 must be an i32, got 2.5"},
        {'I', {3e9}, 0, 0, "parameter #0 must be an i32, got 3000000000"},
        {'U', {-1.0}, 0, 0, "parameter #0 must be a u32, got -1"},
        {'U', {-0.0}, 0, 0, nullptr},
        {'U', {4294967295.0}, 0, 4294967295.0, nullptr},
        {'U', {4294967296.0}, 0, 0, "parameter #0 must be a u32, got 4294967296"},
        {'U', {0.5}, 0, 0, "parameter #0 must be a u32, got 0.5"},
    };
    for (const auto& c : cases) {
        std::string msg;
        double got = 0;
        switch (c.kind) {
            case 'F': {
                auto r = param_f64(c.params, c.k, "Test");
                if (r) got = *r; else msg = r.error().second;
                break;
            }
            case 'P': {
                auto r = param_positive_int(c.params, c.k, "Test");
                if (r) got = static_cast<double>(*r); else msg = r.error().second;
                break;
            }
            case 'I': {
                auto r = param_i32(c.params, c.k, "Test");
                if (r) got = *r; else msg = r.error().second;
                break;
            }
            case 'U': {
                auto r = param_u32(c.params, c.k, "Test");
                if (r) got = *r; else msg = r.error().second;
                break;
            }
        }
        if (c.message) {
            EXPECT_EQ(msg, c.message) << c.kind << " #" << c.k;
        } else {
            EXPECT_EQ(msg, "") << c.kind << " #" << c.k;
            EXPECT_EQ(got, c.value) << c.kind << " #" << c.k;
        }
    }
}

TEST(ParamReadersTest, PositiveIntSaturatesAtTheLargestCount) {
    EXPECT_EQ(*param_positive_int(std::vector<double>{1e300}, 0, "T"), std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(*param_positive_int(std::vector<double>{1e-17}, 0, "T"), 0u);
    EXPECT_EQ(*param_u32(std::vector<double>{-0.0}, 0, "T"), 0u);
}

TEST(ParamReadersTest, RefusalsNameTheTypeInTheEngineError) {
    auto r = param_positive_int(std::vector<double>{14.5}, 0, "Rsi");
    ASSERT_FALSE(r);
    EXPECT_EQ(r.error().kind, EngineError::Kind::InvalidParameters);
    EXPECT_EQ(r.error().first, "Rsi");
    EXPECT_EQ(r.error().display(), "invalid parameters for indicator Rsi: parameter #0 must be a positive integer, got 14.5");
}

// ---------------------------------------------------------------- numbers in messages

TEST(MessageNumberTest, ShortestDigitsLaidOutPositionally) {
    const std::vector<std::pair<double, std::string>> cases = {
        {0.0, "0"},
        {-0.0, "-0"},
        {3.0, "3"},
        {-7.0, "-7"},
        {2.5, "2.5"},
        {0.1, "0.1"},
        {14.5, "14.5"},
        {1e20, "100000000000000000000"},
        {1e-7, "0.0000001"},
        {-1e-7, "-0.0000001"},
        {123456789012345683968.0, "123456789012345680000"},
        {1234.5678, "1234.5678"},
        {0.30000000000000004, "0.30000000000000004"},
        {4294967296.0, "4294967296"},
        {1e16, "10000000000000000"},
        {1.5e-5, "0.000015"},
    };
    for (const auto& [v, text] : cases) EXPECT_EQ(message_number(v), text) << text;
    std::string tiny = message_number(5e-324);
    EXPECT_EQ(tiny, "0." + std::string(323, '0') + "5");
    std::string huge = message_number(1.7976931348623157e308);
    EXPECT_EQ(huge, "17976931348623157" + std::string(292, '0'));
    // Every layout reads back as the same double.
    for (double v : {0.1, 1e-7, 123456.789, 5e-324, 1.7976931348623157e308, 3.0e-200, -2.2250738585072014e-308}) {
        std::string text = message_number(v);
        double back = 0;
        std::from_chars(text.data(), text.data() + text.size(), back);
        EXPECT_EQ(back, v) << text;
        EXPECT_EQ(text.find('e'), std::string::npos);
    }
}

// ---------------------------------------------------------------- building

TEST(BuildIndicatorTest, ExtraParametersAreIgnoredAndAListIsNeverCompared) {
    auto r = build_indicator("Sma", std::vector<double>{14, 99, -1});
    ASSERT_TRUE(r);
    EXPECT_EQ((*r)->warmup_period(), 14u);
    EXPECT_EQ(build_error("T3", {}), "invalid parameters for indicator T3: missing parameter #0");
    EXPECT_EQ(build_error("T3", {5}), "invalid parameters for indicator T3: missing parameter #1");
    EXPECT_EQ(build_error("T3", {0.5}),
              "invalid parameters for indicator T3: parameter #0 must be a positive integer, got 0.5");
}

TEST(BuildIndicatorTest, WindowLimits) {
    EXPECT_EQ(build_error("Sma", {16777216}), "");
    EXPECT_EQ(build_error("Sma", {16777217}),
              "invalid parameters for indicator Sma: invalid period: period exceeds the maximum supported window "
              "length (see MAX_PERIOD)");
    EXPECT_EQ(build_error("Sma", {1e-17}), "invalid parameters for indicator Sma: period must be greater than zero");
    EXPECT_EQ(build_error("Sma", {1e300}),
              "invalid parameters for indicator Sma: invalid period: period exceeds the maximum supported window "
              "length (see MAX_PERIOD)");
}

TEST(BuildIndicatorTest, OutputsOfSingleSeriesTypesAreEmpty) {
    auto r = build_indicator("Ema", std::vector<double>{3});
    ASSERT_TRUE(r);
    Candle c{0, 1, 1, 1, 1, 0};
    BarContext ctx;
    ctx.candle = &c;
    (void)(*r)->update(ctx);
    (void)(*r)->update(ctx);
    EXPECT_EQ((*r)->update(ctx), 1.0);
    EXPECT_TRUE((*r)->outputs().empty());
}

}  // namespace
}  // namespace prynox
