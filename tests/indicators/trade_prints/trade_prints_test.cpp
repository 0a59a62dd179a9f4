// The trade-print types, built from the registry, against plain recomputations over the prints
// (windows counted in prints, across bars; a bar's value is its last print's); the worked numbers;
// the exact counts and the skipped prints.
#include <gtest/gtest.h>

#include <algorithm>
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

using test::Series;
using Bars = std::vector<std::vector<TradePrint>>;
using Opt = std::optional<double>;
constexpr Opt N = std::nullopt;
constexpr double kInf = std::numeric_limits<double>::infinity();

TradePrint buy(double size, double price = 100.0) { return {price, size, Side::Buy, 0}; }
TradePrint sell(double size, double price = 100.0) { return {price, size, Side::Sell, 0}; }

Series run_prints(const std::string& type, const std::vector<double>& params, const Bars& bars) {
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return Series(bars.size());
    }
    Candle c{0, 9, 9, 9, 9, 5};
    Series out;
    for (const auto& prints : bars) {
        BarContext ctx;
        ctx.candle = &c;
        ctx.trades = prints;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

// One print a bar.
Bars singles(const std::vector<TradePrint>& prints) {
    Bars out;
    for (const auto& p : prints) out.push_back({p});
    return out;
}

// A walk of prices with sizes of several scales (some 0), both sides, bars of 0 to 4 prints; then
// a stretch of buys only, of zero sizes only, and of equal price steps.
Bars varied_prints() {
    Bars out;
    std::uint64_t s = 11;
    double price = 50.0;
    for (int bar = 0; bar < 400; ++bar) {
        std::vector<TradePrint> prints;
        const std::uint64_t count = test::splitmix(s) % 5;
        for (std::uint64_t k = 0; k < count; ++k) {
            price = std::fabs(price + test::unit(s) * 0.5) + 0.01;
            const std::uint64_t r = test::splitmix(s) % 10;
            const double size = r == 0 ? 0.0 : r < 3 ? 1000.3 * (1.0 + test::unit(s)) : 0.1 + test::unit(s) * 0.05;
            prints.push_back({price, size, test::splitmix(s) % 2 ? Side::Sell : Side::Buy, bar});
        }
        if (bar >= 200 && bar < 230)
            for (auto& p : prints) p.side = Side::Buy;
        if (bar >= 260 && bar < 290)
            for (auto& p : prints) p.size = 0.0;
        if (bar >= 320 && bar < 340)
            for (auto& p : prints) p.price = (price += 0.25);
        out.push_back(prints);
    }
    return out;
}

double sign(const TradePrint& t) { return t.side == Side::Sell ? -1.0 : 1.0; }

// Each print's result by the definition, given the prints so far; the bar's value is its last
// print's, none for a bar without prints.
template <class F>
Series per_print(const Bars& bars, F result_of) {
    Series out;
    std::vector<TradePrint> seen;
    for (const auto& prints : bars) {
        Opt v;
        for (const auto& p : prints) {
            seen.push_back(p);
            v = result_of(seen);
        }
        out.push_back(prints.empty() ? N : v);
    }
    return out;
}

// The last n of xs, oldest first (all when fewer).
template <class T>
std::vector<T> last(const std::vector<T>& xs, std::size_t n) {
    return {xs.end() - static_cast<std::ptrdiff_t>(std::min(n, xs.size())), xs.end()};
}

Opt trade_imbalance(const std::vector<TradePrint>& seen, std::size_t n) {
    if (seen.size() < n) return N;
    double b = 0.0, s = 0.0;
    int nb = 0, ns = 0;
    for (const auto& p : last(seen, n)) (p.side == Side::Sell ? s : b) += p.size, (p.side == Side::Sell ? ns : nb) += p.size != 0.0;
    if (nb == 0 || ns == 0) return nb > 0 ? 1.0 : ns > 0 ? -1.0 : 0.0;
    return std::clamp((b - s) / (b + s), -1.0, 1.0);
}

Opt pin(const std::vector<TradePrint>& seen, std::size_t n) {
    if (seen.size() < n) return N;
    double buys = 0, sells = 0;
    for (const auto& p : last(seen, n)) (p.side == Side::Sell ? sells : buys) += 1;
    return std::fabs(buys - sells) / static_cast<double>(n);
}

Opt sign_autocorrelation(const std::vector<TradePrint>& seen, std::size_t n) {
    if (seen.size() < n) return N;
    const auto w = last(seen, n);
    double sum = 0.0;
    for (std::size_t i = 1; i < n; ++i) sum += sign(w[i - 1]) * sign(w[i]);
    return sum / static_cast<double>(n - 1);
}

Opt roll(const std::vector<TradePrint>& seen, std::size_t n) {
    if (seen.size() < n + 1) return N;
    const auto w = last(seen, n + 1);
    std::vector<double> c;
    for (std::size_t i = 1; i <= n; ++i) c.push_back(w[i].price - w[i - 1].price);
    double sum = 0.0;
    for (double x : c) sum += x;
    const double m = static_cast<double>(n), mean = sum / m;
    double cov = 0.0;
    for (std::size_t i = 1; i < n; ++i) cov += (c[i - 1] - mean) * (c[i] - mean);
    cov = cov / (m - 1.0);
    return cov < 0.0 ? 2.0 * std::sqrt(-cov) : 0.0;
}

// The mean impact of the last n prints of non-zero size after the first; a print of size 0
// repeats the last value.
Opt amihud(const std::vector<TradePrint>& seen, std::size_t n) {
    std::vector<double> x;
    Opt previous, value, last_value;
    for (const auto& p : seen) {
        if (p.size == 0.0) {
            value = last_value;
            continue;
        }
        if (previous) x.push_back(std::fabs(std::log(p.price / *previous)) / (p.price * p.size));
        previous = p.price;
        value = N;
        if (x.size() >= n) {
            double sum = -0.0;
            for (double v : last(x, n)) sum += v;
            value = last_value = sum / static_cast<double>(n);
        }
    }
    return value;
}

// Buckets of volume v filled in print order, each print split across boundaries.
Opt vpin(const std::vector<TradePrint>& seen, double v, std::size_t n) {
    std::vector<double> done;
    double buy = 0, sell = 0, filled = 0;
    for (const auto& p : seen)
        for (double q = p.size; q > 0.0;) {
            const double take = std::min(q, v - filled);
            (p.side == Side::Sell ? sell : buy) += take;
            filled += take;
            if (filled >= v) done.push_back(std::fabs(buy - sell)), buy = sell = filled = 0;
            q -= take;
        }
    if (done.size() < n) return N;
    double sum = 0.0;
    for (double d : last(done, n)) sum += d;
    return sum / (v * static_cast<double>(n));
}

struct Row {
    const char* type;
    std::vector<double> params;
    Opt (*of)(const std::vector<TradePrint>&, const std::vector<double>&);
    double tol;  // relative; 0 for bit-exact
};

std::size_t at(const std::vector<double>& p, std::size_t k) { return static_cast<std::size_t>(p[k]); }

TEST(TradePrintsTest, TypesMatchTheirDefinitionsOverThePrints) {
    const Bars bars = varied_prints();
    // Running sums that are only adjusted drift from the window's own sums, and a huge print is cut
    // with fmod where the definition subtracts bucket by bucket: 1e-9 of the value.
    const std::vector<Row> rows = {
        {"SignedVolume", {}, [](const auto& s, const auto&) -> Opt { return sign(s.back()) * s.back().size; }, 0},
        {"CumulativeVolumeDelta", {}, [](const auto& s, const auto&) -> Opt {
             double sum = 0.0;
             for (const auto& p : s) sum += sign(p) * p.size;
             return sum;
         }, 0},
        {"TradeImbalance", {1}, [](const auto& s, const auto& p) { return trade_imbalance(s, at(p, 0)); }, 0},
        {"TradeImbalance", {7}, [](const auto& s, const auto& p) { return trade_imbalance(s, at(p, 0)); }, 1e-9},
        {"TradeImbalance", {40}, [](const auto& s, const auto& p) { return trade_imbalance(s, at(p, 0)); }, 1e-9},
        {"Pin", {1}, [](const auto& s, const auto& p) { return pin(s, at(p, 0)); }, 0},
        {"Pin", {9}, [](const auto& s, const auto& p) { return pin(s, at(p, 0)); }, 0},
        {"TradeSignAutocorrelation", {2}, [](const auto& s, const auto& p) { return sign_autocorrelation(s, at(p, 0)); }, 0},
        {"TradeSignAutocorrelation", {13}, [](const auto& s, const auto& p) { return sign_autocorrelation(s, at(p, 0)); }, 0},
        {"RollMeasure", {3}, [](const auto& s, const auto& p) { return roll(s, at(p, 0)); }, 0},
        {"RollMeasure", {17}, [](const auto& s, const auto& p) { return roll(s, at(p, 0)); }, 0},
        {"AmihudIlliquidity", {1}, [](const auto& s, const auto& p) { return amihud(s, at(p, 0)); }, 0},
        {"AmihudIlliquidity", {12}, [](const auto& s, const auto& p) { return amihud(s, at(p, 0)); }, 1e-9},
        {"Vpin", {50, 4}, [](const auto& s, const auto& p) { return vpin(s, p[0], at(p, 1)); }, 1e-9},
        {"Vpin", {0.7, 30}, [](const auto& s, const auto& p) { return vpin(s, p[0], at(p, 1)); }, 1e-9},
    };
    for (const Row& r : rows) {
        const Series want = per_print(bars, [&](const auto& seen) { return r.of(seen, r.params); });
        test::expect_series(run_prints(r.type, r.params, bars), want, r.tol, test::describe(r.type, r.params), 0.0);
    }
}

TEST(TradePrintsTest, WorkedNumbers) {
    const auto value = [](const std::string& type, const std::vector<double>& params, const Bars& bars) {
        return run_prints(type, params, bars).back();
    };
    EXPECT_EQ(value("SignedVolume", {}, {{buy(5), sell(7), sell(2)}}), -2.0);
    EXPECT_EQ(value("Pin", {4}, singles({buy(1), buy(1), buy(1), sell(1)})), 0.5);
    EXPECT_EQ(value("TradeSignAutocorrelation", {3}, singles({buy(1), sell(1), buy(1)})), -1.0);
    const auto priced = [](std::vector<double> prices) {
        std::vector<TradePrint> out;
        for (double p : prices) out.push_back(buy(1, p));
        return singles(out);
    };
    EXPECT_EQ(value("RollMeasure", {4}, priced({100, 101, 100, 101, 100})), 2.0);
    EXPECT_EQ(value("RollMeasure", {4}, priced({100, 100.5, 101, 101.5, 102, 102.5})), 0.0);
    EXPECT_EQ(value("Vpin", {10, 2}, {{buy(25)}}), 1.0);
    EXPECT_EQ(value("TradeImbalance", {3}, singles({sell(1), sell(0.3), sell(2)})), -1.0);
    // A huge print is cut to the buckets that can still show: 105 into an empty bucket acts as 35.
    const Bars after = {{sell(3), buy(4)}, {sell(12)}, {buy(7), sell(1)}};
    Bars huge = {{buy(105)}}, cut = {{buy(35)}};
    huge.insert(huge.end(), after.begin(), after.end());
    cut.insert(cut.end(), after.begin(), after.end());
    test::expect_series(run_prints("Vpin", {10, 2}, huge), run_prints("Vpin", {10, 2}, cut), 0, "Vpin cut");
    // The same for an infinite size: the room plus n buckets.
    Bars endless = {{buy(kInf)}}, room = {{buy(20)}};
    test::expect_series(run_prints("Vpin", {10, 2}, endless), run_prints("Vpin", {10, 2}, room), 0, "Vpin inf");
}

// The impact sum is rebuilt from the window every n prints: two large impacts leave a residue that
// the rebuild on the fourth print clears, so its value is the plain mean of the two tiny ones.
TEST(TradePrintsTest, AmihudSumIsRebuiltEveryNPrints) {
    const double p[] = {100, 110, 100, 100.0000001, 100};
    const double size[] = {1, 1, 1, 1e6, 1e6};
    std::vector<TradePrint> prints;
    for (int i = 0; i < 5; ++i) prints.push_back(buy(size[i], p[i]));
    const auto impact = [&](int i) { return std::fabs(std::log(p[i] / p[i - 1])) / (p[i] * size[i]); };
    EXPECT_EQ(run_prints("AmihudIlliquidity", {2}, singles(prints)).back(), ((-0.0 + impact(3)) + impact(4)) / 2.0);
}

// A bar without prints gives none for every type and changes nothing.
TEST(TradePrintsTest, BarsWithoutPrintsChangeNothing) {
    const Bars bars = varied_prints();
    Bars gapped;
    for (const auto& b : bars) gapped.push_back(b), gapped.push_back({});
    for (const auto& [type, params] : std::vector<std::pair<std::string, std::vector<double>>>{
             {"SignedVolume", {}}, {"CumulativeVolumeDelta", {}}, {"TradeImbalance", {5}}, {"Pin", {5}},
             {"TradeSignAutocorrelation", {5}}, {"RollMeasure", {5}}, {"AmihudIlliquidity", {5}}, {"Vpin", {3, 5}}}) {
        const Series plain = run_prints(type, params, bars), with = run_prints(type, params, gapped);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            ASSERT_FALSE(with[2 * i + 1].has_value()) << type;
            ASSERT_TRUE(with[2 * i] == plain[i]) << type << " bar " << i;
        }
    }
}

// Exact counts of non-zero buy and sell sizes decide the one-sided windows: the running sums keep
// a residue of the sizes that left.
TEST(TradePrintsTest, TradeImbalanceCountsDecideOneSidedWindows) {
    EXPECT_EQ(run_prints("TradeImbalance", {1}, singles({buy(1000.3), buy(0.1), sell(0.01)})).back(), -1.0);
    EXPECT_EQ(run_prints("TradeImbalance", {1}, singles({buy(0.7), buy(0.1), sell(1e-17)})).back(), -1.0);
    EXPECT_EQ(run_prints("TradeImbalance", {1}, singles({sell(0.7), sell(0.1), buy(1e-17)})).back(), 1.0);
    EXPECT_EQ(run_prints("TradeImbalance", {2}, singles({buy(0.7), sell(0.1), buy(0), sell(0)})).back(), 0.0);
    // Both sides held, the buy side by 1e-17 beside a residue of -2.8e-17: the ratio
    // -1.0000000000000056 is clamped.
    EXPECT_EQ(run_prints("TradeImbalance", {2}, singles({buy(0.01), buy(0.1), buy(0.2), buy(1e-17), sell(0.01)})).back(),
              -1.0);
}

// A print whose derived value is out of the finite range is skipped as if the bar did not carry it;
// the bar's other prints count as usual.
TEST(TradePrintsTest, PrintsWithNonFiniteDerivedValuesAreSkipped) {
    struct Case {
        const char* type;
        std::vector<double> params;
        Bars bars;
        std::size_t at;       // bar that receives the bad print
        TradePrint bad;
    };
    const Bars base = {{buy(1, 100), sell(2, 101)}, {buy(1.5, 99)}, {sell(1, 100.5), buy(3, 100.25)},
                       {buy(2, 101)}, {sell(0.5, 100)}, {buy(1, 100.75), sell(1, 100.5)}, {buy(2, 99.5)}};
    const std::vector<Case> cases = {
        {"AmihudIlliquidity", {2}, base, 2, buy(1e-300, 1e-300)},   // price x size underflows to 0
        {"AmihudIlliquidity", {2}, base, 3, buy(1e10, 1e300)},      // price x size overflows
        {"AmihudIlliquidity", {2}, base, 4, buy(1, 5e-324)},        // ratio 0: log not finite
        {"AmihudIlliquidity", {1}, base, 5, buy(1e-320, 101)},      // impact |r| / 1e-318 overflows
        {"CumulativeVolumeDelta", {}, {{buy(1.7e308)}, {buy(1)}, {sell(2)}}, 1, buy(1e308)},
        {"TradeImbalance", {2}, {{buy(1.7e308)}, {sell(1)}, {sell(2)}, {buy(3)}}, 1, buy(1e308)},
    };
    for (const Case& c : cases) {
        Bars with = c.bars;
        auto& bar = with[c.at];
        bar.insert(bar.begin() + static_cast<std::ptrdiff_t>(bar.size() / 2), c.bad);
        test::expect_series(run_prints(c.type, c.params, with), run_prints(c.type, c.params, c.bars), 0,
                            test::describe(c.type, c.params) + " bad print on bar " + std::to_string(c.at));
    }
    // A bar whose only print is skipped gives none; one of size 0 repeats the last value.
    const Series a = run_prints("AmihudIlliquidity", {1},
                                {{buy(1, 100)}, {buy(1, 101)}, {buy(1e-300, 1e-300)}, {sell(0, 50)}, {buy(0), sell(0)}});
    test::expect_series(a, {N, std::log(101.0 / 100.0) / 101.0, N, a[1], a[1]}, 0, "Amihud skipped and zero-size");
    EXPECT_EQ(run_prints("AmihudIlliquidity", {1}, {{buy(0)}, {buy(1, 100)}, {sell(0)}}), (Series{N, N, N}));
}

// Values out of the finite range from a finite state are not given (as written: inf and NaN).
TEST(TradePrintsTest, NonFiniteValuesAreNotGiven) {
    std::vector<TradePrint> swings;
    for (int i = 0; i < 8; ++i) swings.push_back(buy(1, i % 2 ? 2e200 : 1e200));
    EXPECT_EQ(test::first_value_bar(run_prints("RollMeasure", {3}, singles(swings))), 0u);
    EXPECT_EQ(test::first_value_bar(run_prints("Vpin", {1e308, 2}, singles({buy(1e308), sell(1e308), buy(1e308)}))),
              0u);
    // Balanced buckets: their sum 0 over the infinite V n is the true 0.
    EXPECT_EQ(run_prints("Vpin", {1e308, 2}, singles({buy(5e307), sell(5e307), buy(5e307), sell(5e307)})).back(), 0.0);
}

}  // namespace
}  // namespace prynox
