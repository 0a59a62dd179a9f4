// The market-breadth types, built from the registry and fed cross-section lists made here (and
// bars without one), against plain recomputations of their definitions; the worked edge cases.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using List = std::vector<CrossSectionEntry>;
using Lists = std::vector<std::optional<List>>;
using test::Series;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::optional<double> N = std::nullopt;

// Feeds each list (nullopt: a bar without one) to a type built by name.
Series feed(const std::string& type, const std::vector<double>& params, const Lists& bars) {
    auto built = build_indicator(type, params);
    EXPECT_TRUE(built.has_value()) << type;
    Series out;
    Candle candle{0, 1, 1, 1, 1, 1};
    for (std::size_t i = 0; built && i < bars.size(); ++i) {
        BarContext ctx;
        ctx.candle = &candle;
        ctx.cross_section = bars[i] ? &*bars[i] : nullptr;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

double one(double v) { return std::isnan(v) || v < 1 ? 1.0 : v; }

// The definitions, bar by bar, over the lists that are present; `loose` marks the high-low
// index's bars whose running window sum may differ from the plain one in the last bits (a window
// of equal percents gives that percent exactly).
Series plain(const std::string& type, std::size_t n, const Lists& bars, std::vector<bool>& loose) {
    Series out;
    double line = 0, fast = 0, slow = 0, sum = 0, ema = 0, alpha = 2.0 / (n + 1.0);
    bool seeded = false;
    std::vector<double> xs;
    loose.assign(bars.size(), false);
    for (const auto& list : bars) {
        if (!list) {
            out.push_back(N);
            continue;
        }
        double a = 0, d = 0, nh = 0, nl = 0, above = 0, bull = 0, uv = -0.0, dv = -0.0;
        for (const auto& e : *list) {
            if (e.change > 0) a += 1, uv += e.volume;
            if (e.change < 0) d += 1, dv += e.volume;
            nh += e.new_high, nl += e.new_low, above += e.above_ma, bull += e.bullish;
        }
        const double size = static_cast<double>(list->size()), ratio = ((a - d) / one(a + d)) * 1000.0;
        if (type == "TickIndex") out.push_back(a - d);
        if (type == "AbsoluteBreadthIndex") out.push_back(std::fabs(a - d));
        if (type == "AdvanceDeclineRatio") out.push_back(a / one(d));
        if (type == "NewHighsNewLows") out.push_back(nh - nl);
        if (type == "PercentAboveMa") out.push_back((100.0 * above) / size);
        if (type == "BullishPercentIndex") out.push_back((100.0 * bull) / size);
        if (type == "UpDownVolumeRatio") out.push_back(uv / one(dv));
        if (type == "Trin") out.push_back((a / one(d)) / (one(uv) / one(dv)));
        if (type == "AdvanceDecline") out.push_back(line += a - d);
        if (type == "AdVolumeLine" || type == "CumulativeVolumeIndex") out.push_back(line += uv - dv);
        if (type == "McClellanOscillator" || type == "McClellanSummationIndex") {
            if (!seeded) fast = slow = ratio, seeded = true;
            else fast = fast + 0.1 * (ratio - fast), slow = slow + 0.05 * (ratio - slow);
            out.push_back(type == "McClellanOscillator" ? fast - slow : (sum += fast - slow));
        }
        if (type == "BreadthThrust") {
            xs.push_back(a / one(a + d));
            double s = -0.0;
            for (double x : xs) s += x;
            out.push_back(xs.size() < n ? N : xs.size() == n ? (ema = s / n) : (ema = std::fma(alpha, xs.back(), (1 - alpha) * ema)));
        }
        if (type == "HighLowIndex") {
            xs.push_back((nh * 100.0) / one(nh + nl));
            double s = 0;
            bool flat = true;
            for (std::size_t k = xs.size() - std::min(n, xs.size()); k < xs.size(); ++k) s += xs[k], flat &= xs[k] == xs.back();
            out.push_back(xs.size() < n ? N : std::optional(s / n));
            loose[out.size() - 1] = !flat;
        }
    }
    return out;
}

// Lists of every shape: movers both ways, unchanged and NaN changes, flags, odd volumes (NaN near
// the end: a NaN sum counts as 1 where a divisor must be at least 1), empty lists, bars without.
Lists varied_bars() {
    Lists bars;
    std::uint64_t s = 17;
    for (int b = 0; b < 300; ++b) {
        if (b % 23 == 7) {
            bars.push_back(std::nullopt);
            continue;
        }
        List l;
        const int size = b % 31 == 3 ? 0 : static_cast<int>(test::splitmix(s) % 9);
        for (int k = 0; k < size; ++k) {
            const auto r = test::splitmix(s);
            const double change = r % 5 == 0 ? 0.0 : r % 17 == 1 ? kNaN : test::unit(s);
            const double volume = b > 270 && r % 7 == 3 ? kNaN : 10.0 * (test::unit(s) + 1.0);
            l.push_back({change, volume, (r >> 8) % 3 == 0, (r >> 9) % 4 == 0, (r >> 10) % 2 == 0, (r >> 11) % 3 == 1});
        }
        bars.push_back(l);
    }
    return bars;
}

// Counts and sums are exact and every formula is + - * / in a fixed order (the thrust's one fused
// step written the same way): bit for bit (NaN included, made the same way).
TEST(MarketBreadthTest, EveryTypeAgainstItsDefinition) {
    const auto bars = varied_bars();
    for (const char* type : {"TickIndex", "AbsoluteBreadthIndex", "AdvanceDeclineRatio", "NewHighsNewLows",
                             "PercentAboveMa", "BullishPercentIndex", "UpDownVolumeRatio", "Trin", "AdvanceDecline",
                             "AdVolumeLine", "CumulativeVolumeIndex", "McClellanOscillator",
                             "McClellanSummationIndex", "BreadthThrust", "HighLowIndex"})
        for (std::size_t n : {1u, 3u, 10u}) {
            const bool windowed = std::string(type) == "BreadthThrust" || std::string(type) == "HighLowIndex";
            if (!windowed && n != 1) continue;
            std::vector<bool> loose;
            const Series got = feed(type, windowed ? std::vector<double>{double(n)} : std::vector<double>{}, bars),
                         want = plain(type, n, bars, loose);
            test::expect_series(got, want, [&loose](std::size_t i) { return loose[i] ? 1e-12 : 0.0; },
                                test::describe(type, {double(n)}));
        }
}

TEST(MarketBreadthTest, WorkedEdgeCases) {
    const CrossSectionEntry up{1.0, 5.0}, down{-1.0, 7.0}, flat{0.0, 100.0}, unknown{kNaN, 100.0},
        hi{1.0, 1.0, true}, lo{1.0, 1.0, false, true};
    const std::optional<List> empty = List{}, three_up = List{up, up, up}, downs = List{down, down};
    const std::vector<std::tuple<const char*, std::vector<double>, Lists, Series>> cases = {
        {"UpDownVolumeRatio", {}, {downs, empty}, {-0.0, -0.0}},
        {"McClellanOscillator", {}, {three_up, downs}, {0.0, 0.1 * -2000.0 - 0.05 * -2000.0}},
        // Percents 100/3 and 200/3, then zeros: the running sum keeps a residue of -7e-15, the window
        // of zeros gives 0.
        {"HighLowIndex", {2}, {List{hi, lo, lo}, List{hi, hi, lo}, List{}, List{}},
         {N, (200.0 / 3 + 100.0 / 3) / 2, ((200.0 / 3 + 100.0 / 3) - 100.0 / 3) / 2, 0.0}},
        {"AdVolumeLine", {}, {List{up, flat, unknown, down}, empty}, {-2.0, -2.0}},
    };
    for (const auto& [type, params, bars, want] : cases) test::expect_series(feed(type, params, bars), want, 0.0, type);
    EXPECT_TRUE(std::isnan(*feed("BullishPercentIndex", {}, {empty})[0]));
}

}  // namespace
}  // namespace prynox
