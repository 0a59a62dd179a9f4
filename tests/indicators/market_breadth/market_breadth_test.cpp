// The market-breadth types, built from the registry and fed cross-section lists made here,
// against plain recomputations of their definitions; the worked edge cases; and the run, which
// carries no list.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using List = std::vector<CrossSectionEntry>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Feeds each list (nullopt: a bar without one) to a type built by name.
std::vector<Opt> feed(const std::string& type, const std::vector<double>& params, const std::vector<std::optional<List>>& bars) {
    auto built = build_indicator(type, params);
    EXPECT_TRUE(built.has_value()) << type;
    std::vector<Opt> out;
    if (!built) return out;
    Candle candle{0, 1, 1, 1, 1, 1};
    for (const auto& list : bars) {
        BarContext ctx;
        ctx.candle = &candle;
        ctx.cross_section = list ? &*list : nullptr;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

// Plain counts of one list.
struct Counts {
    double a = 0, d = 0, nh = 0, nl = 0, above = 0, bull = 0, n = 0, uv = -0.0, dv = -0.0;
};
Counts count(const List& l) {
    Counts c;
    for (const auto& e : l) {
        if (e.change > 0) c.a += 1, c.uv += e.volume;
        if (e.change < 0) c.d += 1, c.dv += e.volume;
        c.nh += e.new_high, c.nl += e.new_low, c.above += e.above_ma, c.bull += e.bullish, c.n += 1;
    }
    return c;
}
double one(double v) { return std::isnan(v) || v < 1 ? 1.0 : v; }

// The definitions, bar by bar, over the lists that are present.
std::vector<Opt> plain(const std::string& type, std::size_t n, const std::vector<std::optional<List>>& bars) {
    std::vector<Opt> out;
    double line = 0, fast = 0, slow = 0, sum = 0, ema = 0, alpha = 2.0 / (n + 1.0);
    bool seeded = false;
    std::vector<double> xs;
    for (const auto& list : bars) {
        if (!list) {
            out.push_back(std::nullopt);
            continue;
        }
        const Counts c = count(*list);
        const double ratio = ((c.a - c.d) / one(c.a + c.d)) * 1000.0;
        if (type == "TickIndex") out.push_back(c.a - c.d);
        if (type == "AbsoluteBreadthIndex") out.push_back(std::fabs(c.a - c.d));
        if (type == "AdvanceDeclineRatio") out.push_back(c.a / one(c.d));
        if (type == "NewHighsNewLows") out.push_back(c.nh - c.nl);
        if (type == "PercentAboveMa") out.push_back((100.0 * c.above) / c.n);
        if (type == "BullishPercentIndex") out.push_back((100.0 * c.bull) / c.n);
        if (type == "UpDownVolumeRatio") out.push_back(c.uv / one(c.dv));
        if (type == "Trin") out.push_back((c.a / one(c.d)) / (one(c.uv) / one(c.dv)));
        if (type == "AdvanceDecline") out.push_back(line += c.a - c.d);
        if (type == "AdVolumeLine" || type == "CumulativeVolumeIndex") out.push_back(line += c.uv - c.dv);
        if (type == "McClellanOscillator" || type == "McClellanSummationIndex") {
            if (!seeded) fast = slow = ratio, seeded = true;
            else fast = fast + 0.1 * (ratio - fast), slow = slow + 0.05 * (ratio - slow);
            out.push_back(type == "McClellanOscillator" ? fast - slow : (sum += fast - slow));
        }
        if (type == "BreadthThrust") {
            xs.push_back(c.a / one(c.a + c.d));
            if (xs.size() < n) out.push_back(std::nullopt);
            else if (xs.size() == n) {
                double s = -0.0;
                for (double x : xs) s += x;
                out.push_back(ema = s / n);
            } else out.push_back(ema = std::fma(alpha, xs.back(), (1 - alpha) * ema));
        }
        if (type == "HighLowIndex") {
            xs.push_back((c.nh * 100.0) / one(c.nh + c.nl));
            if (xs.size() < n) out.push_back(std::nullopt);
            else {
                double s = 0;
                for (std::size_t k = xs.size() - n; k < xs.size(); ++k) s += xs[k];
                out.push_back(s / n);
            }
        }
    }
    return out;
}

// Lists of every shape: movers both ways, unchanged and NaN changes, flags, odd volumes, empty
// lists, and bars without a list.
std::vector<std::optional<List>> varied_bars() {
    std::vector<std::optional<List>> bars;
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
            // Near the end some volumes are NaN: a NaN sum counts as 1 where a divisor must be at least 1.
            const double volume = b > 270 && r % 7 == 3 ? kNaN : 10.0 * (test::unit(s) + 1.0);
            l.push_back({change, volume, (r >> 8) % 3 == 0, (r >> 9) % 4 == 0,
                         (r >> 10) % 2 == 0, (r >> 11) % 3 == 1});
        }
        bars.push_back(l);
    }
    return bars;
}

// Whether the high-low index's window of n percents ending on each bar holds one value only.
std::vector<bool> flat_high_low_windows(std::size_t n, const std::vector<std::optional<List>>& bars) {
    std::vector<double> xs;
    std::vector<bool> flat;
    for (const auto& list : bars) {
        if (list) {
            const Counts c = count(*list);
            xs.push_back((c.nh * 100.0) / one(c.nh + c.nl));
        }
        bool same = list && xs.size() >= n;
        for (std::size_t k = xs.size() >= n ? xs.size() - n : 0; same && k < xs.size(); ++k) same = xs[k] == xs.back();
        flat.push_back(same);
    }
    return flat;
}

const char* const kTypes[] = {"TickIndex", "AbsoluteBreadthIndex", "AdvanceDeclineRatio", "NewHighsNewLows",
                              "PercentAboveMa", "BullishPercentIndex", "UpDownVolumeRatio", "Trin",
                              "AdvanceDecline", "AdVolumeLine", "CumulativeVolumeIndex", "McClellanOscillator",
                              "McClellanSummationIndex", "BreadthThrust", "HighLowIndex"};

// Counts and sums are exact and every formula is + - * / in a fixed order (the thrust's one fused
// step written the same way), so the values agree to the bit, NaN where both give NaN; the
// high-low index keeps a running window sum, which may differ from the plain sum in the last bits
// except on a window of equal percents, which gives that percent exactly.
TEST(MarketBreadthTest, EveryTypeAgainstItsDefinition) {
    const auto bars = varied_bars();
    for (const char* type : kTypes)
        for (std::size_t n : {1u, 3u, 10u}) {
            const bool windowed = std::string(type) == "BreadthThrust" || std::string(type) == "HighLowIndex";
            if (!windowed && n != 1) continue;
            const auto got = feed(type, windowed ? std::vector<double>{double(n)} : std::vector<double>{}, bars);
            const auto want = plain(type, n, bars);
            const auto flat = flat_high_low_windows(n, bars);
            ASSERT_EQ(got.size(), want.size());
            for (std::size_t i = 0; i < got.size(); ++i) {
                ASSERT_EQ(got[i].has_value(), want[i].has_value()) << type << " " << n << " bar " << i;
                if (got[i] && std::string(type) == "HighLowIndex" && !flat[i]) {
                    EXPECT_NEAR(*got[i], *want[i], 1e-12) << type << " " << n << " bar " << i;
                } else if (got[i]) {
                    EXPECT_TRUE(test::same_bits(*got[i], *want[i]) || (std::isnan(*got[i]) && std::isnan(*want[i])))
                        << type << " " << n << " bar " << i << ": " << *got[i] << " against " << *want[i];
                }
            }
        }
}

TEST(MarketBreadthTest, WorkedEdgeCases) {
    const CrossSectionEntry up{1.0, 5.0}, down{-1.0, 7.0}, flat{0.0, 100.0}, unknown{kNaN, 100.0};
    const CrossSectionEntry hi{1.0, 1.0, true}, lo{1.0, 1.0, false, true};
    const std::optional<List> empty = List{}, three_up = List{up, up, up}, downs = List{down, down};
    struct Case {
        const char* type;
        std::vector<double> params;
        std::vector<std::optional<List>> bars;
        std::vector<Opt> want;
    };
    const Case cases[] = {
        {"AdvanceDeclineRatio", {}, {three_up}, {3.0}},
        {"Trin", {}, {three_up}, {3.0 / 15.0}},
        {"UpDownVolumeRatio", {}, {downs, empty}, {-0.0, -0.0}},
        {"TickIndex", {}, {empty}, {0.0}},
        {"McClellanOscillator", {}, {three_up, downs}, {0.0, 0.1 * -2000.0 - 0.05 * -2000.0}},
        {"BreadthThrust", {3}, {three_up, downs, List{up, down}}, {std::nullopt, std::nullopt, 0.5}},
        {"HighLowIndex", {1}, {List{flat}}, {0.0}},
        // Percents 100/3 and 200/3, then zeros: the running sum keeps a residue of -7e-15, the window
        // of zeros gives 0.
        {"HighLowIndex", {2}, {List{hi, lo, lo}, List{hi, hi, lo}, List{}, List{}},
         {std::nullopt, (200.0 / 3 + 100.0 / 3) / 2, ((200.0 / 3 + 100.0 / 3) - 100.0 / 3) / 2, 0.0}},
        // Unchanged and unknown changes count in the list's size only.
        {"PercentAboveMa", {}, {List{{0.0, 1, false, false, true}, {kNaN, 1}}}, {50.0}},
        {"AdVolumeLine", {}, {List{up, flat, unknown, down}, empty}, {-2.0, -2.0}},
    };
    for (const auto& c : cases) {
        const auto got = feed(c.type, c.params, c.bars);
        ASSERT_EQ(got.size(), c.want.size()) << c.type;
        for (std::size_t i = 0; i < got.size(); ++i) {
            ASSERT_EQ(got[i].has_value(), c.want[i].has_value()) << c.type << " bar " << i;
            if (got[i]) {
                EXPECT_TRUE(test::same_bits(*got[i], *c.want[i])) << c.type << " bar " << i << ": " << *got[i];
            }
        }
    }
    EXPECT_TRUE(std::isnan(*feed("BullishPercentIndex", {}, {empty})[0]));
}

// A bar without a list gives nothing and leaves every line, average and window as it was: the
// values around it are those of the series without it. A run carries no list at all.
TEST(MarketBreadthTest, BarsWithoutAListChangeNothing) {
    auto bars = varied_bars();
    std::vector<std::optional<List>> present;
    for (const auto& b : bars)
        if (b) present.push_back(b);
    for (const char* type : kTypes) {
        const std::vector<double> params = std::string(type) == "BreadthThrust" || std::string(type) == "HighLowIndex"
                                               ? std::vector<double>{4} : std::vector<double>{};
        const auto with = feed(type, params, bars), without = feed(type, params, present);
        for (std::size_t i = 0, k = 0; i < bars.size(); ++i) {
            if (!bars[i]) {
                EXPECT_FALSE(with[i].has_value()) << type;
                continue;
            }
            EXPECT_EQ(with[i].has_value(), without[k].has_value()) << type;
            if (with[i]) {
                EXPECT_TRUE(test::same_bits(*with[i], *without[k]) || std::isnan(*with[i])) << type;
            }
            ++k;
        }
        const auto in_a_run = feed(type, params, std::vector<std::optional<List>>(50));
        for (const auto& v : in_a_run) EXPECT_FALSE(v.has_value()) << type;
    }
}

}  // namespace
}  // namespace prynox
