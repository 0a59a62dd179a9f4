// The trade-print types, built from the registry, against plain recomputations over the prints
// (windows counted in prints, across bars; a bar's value is its last print's, none without
// prints); the worked numbers; the exact counts and the skipped prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "support/print_feed.hpp"

namespace prynox {
namespace {

using test::buy;
using test::PrintBars;
using test::run_bars;
using test::sell;
using test::Series;
using test::singles;
using Prints = std::vector<TradePrint>;
using Opt = std::optional<double>;
constexpr Opt N = std::nullopt;

// A walk of prices with sizes of several scales (some 0), both sides, bars of 0 to 4 prints; then
// a stretch of buys only, of zero sizes only, and of equal price steps.
PrintBars varied_prints() {
    PrintBars out;
    std::uint64_t s = 11;
    double price = 50.0;
    for (int bar = 0; bar < 400; ++bar) {
        Prints prints;
        for (std::uint64_t k = 0, count = test::splitmix(s) % 5; k < count; ++k) {
            price = std::fabs(price + test::unit(s) * 0.5) + 0.01;
            const std::uint64_t r = test::splitmix(s) % 10;
            const double size = r == 0 ? 0.0 : r < 3 ? 1000.3 * (1.0 + test::unit(s)) : 0.1 + test::unit(s) * 0.05;
            prints.push_back({price, size, test::splitmix(s) % 2 ? Side::Sell : Side::Buy, bar});
        }
        for (auto& p : prints) {
            if (bar >= 200 && bar < 230) p.side = Side::Buy;
            if (bar >= 260 && bar < 290) p.size = 0.0;
            if (bar >= 320 && bar < 340) p.price = (price += 0.25);
        }
        out.push_back(prints);
    }
    return out;
}

double sign(const TradePrint& t) { return t.side == Side::Sell ? -1.0 : 1.0; }

// The last n of xs, oldest first (all when fewer).
template <class T>
std::vector<T> last(const std::vector<T>& xs, std::size_t n) {
    return {xs.end() - static_cast<std::ptrdiff_t>(std::min(n, xs.size())), xs.end()};
}

// A type's value by its definition after the prints `seen`.
Opt plain(const std::string& type, const std::vector<double>& params, const Prints& seen) {
    const std::size_t n = params.empty() ? 1 : static_cast<std::size_t>(params.back());
    const auto w = last(seen, n);
    double a = 0.0, b = 0.0;
    if (type == "SignedVolume") return sign(seen.back()) * seen.back().size;
    if (type == "CumulativeVolumeDelta") {
        for (const auto& p : seen) a += sign(p) * p.size;
        return a;
    }
    if (type == "AmihudIlliquidity") {  // the mean impact of the last n prints of non-zero size after the first
        Prints priced;
        for (const auto& p : seen)
            if (p.size != 0.0) priced.push_back(p);
        if (priced.size() < n + 1) return N;
        for (std::size_t i = priced.size() - n; i < priced.size(); ++i)
            a += std::fabs(std::log(priced[i].price / priced[i - 1].price)) / (priced[i].price * priced[i].size);
        return a / static_cast<double>(n);
    }
    if (type == "Vpin") {  // buckets of volume v filled in print order, each print split across boundaries
        std::vector<double> done;
        double filled = 0;
        for (const auto& p : seen)
            for (double q = p.size, take; q > 0.0; q -= take) {
                take = std::min(q, params[0] - filled);
                (p.side == Side::Sell ? b : a) += take;
                if ((filled += take) >= params[0]) done.push_back(std::fabs(a - b)), a = b = filled = 0;
            }
        if (done.size() < n) return N;
        double sum = 0.0;
        for (double d : last(done, n)) sum += d;
        return sum / (params[0] * static_cast<double>(n));
    }
    if (seen.size() < n + (type == "RollMeasure")) return N;
    if (type == "TradeImbalance") {
        int nb = 0, ns = 0;
        for (const auto& p : w) (p.side == Side::Sell ? b : a) += p.size, (p.side == Side::Sell ? ns : nb) += p.size != 0.0;
        if (nb == 0 || ns == 0) return nb > 0 ? 1.0 : ns > 0 ? -1.0 : 0.0;
        return std::clamp((a - b) / (a + b), -1.0, 1.0);
    }
    if (type == "Pin") {
        for (const auto& p : w) (p.side == Side::Sell ? b : a) += 1;
        return std::fabs(a - b) / static_cast<double>(n);
    }
    if (type == "TradeSignAutocorrelation") {
        for (std::size_t i = 1; i < n; ++i) a += sign(w[i - 1]) * sign(w[i]);
        return a / static_cast<double>(n - 1);
    }
    const auto v = last(seen, n + 1);  // RollMeasure: the serial covariance of the price changes
    std::vector<double> c;
    for (std::size_t i = 1; i <= n; ++i) c.push_back(v[i].price - v[i - 1].price), a += c.back();
    const double m = static_cast<double>(n), mean = a / m;
    for (std::size_t i = 1; i < n; ++i) b += (c[i - 1] - mean) * (c[i] - mean);
    b = b / (m - 1.0);
    return b < 0.0 ? 2.0 * std::sqrt(-b) : 0.0;
}

// Running sums that are only adjusted drift from the window's own sums, and a huge print is cut
// with fmod where the definition subtracts bucket by bucket: 1e-9 of the value there.
TEST(TradePrintsTest, TypesMatchTheirDefinitionsOverThePrints) {
    const PrintBars bars = varied_prints();
    const std::vector<std::tuple<const char*, std::vector<double>, double>> rows = {
        {"SignedVolume", {}, 0},     {"CumulativeVolumeDelta", {}, 0}, {"TradeImbalance", {1}, 0},
        {"TradeImbalance", {7}, 1e-9}, {"TradeImbalance", {40}, 1e-9}, {"Pin", {1}, 0},
        {"Pin", {9}, 0},             {"TradeSignAutocorrelation", {2}, 0}, {"TradeSignAutocorrelation", {13}, 0},
        {"RollMeasure", {3}, 0},     {"RollMeasure", {17}, 0},       {"AmihudIlliquidity", {1}, 0},
        {"AmihudIlliquidity", {12}, 1e-9}, {"Vpin", {50, 4}, 1e-9},  {"Vpin", {0.7, 30}, 1e-9},
    };
    for (const auto& [type, params, tol] : rows) {
        Series want;
        Prints seen;
        Opt held;  // a print of size 0 repeats the Amihud value before it
        for (const auto& bar : bars) {
            Opt v;
            for (const auto& p : bar.prints) {
                seen.push_back(p);
                v = std::string(type) == "AmihudIlliquidity" && p.size == 0.0 ? held : plain(type, params, seen);
                if (std::string(type) == "AmihudIlliquidity" && p.size != 0.0 && v) held = v;
            }
            want.push_back(bar.prints.empty() ? N : v);
        }
        test::expect_series(run_bars(type, params, bars), want, tol, test::describe(type, params), 0.0);
    }
}

TEST(TradePrintsTest, WorkedNumbers) {
    // The impact sum is rebuilt every n prints: two large impacts leave a residue that the
    // rebuild on the fourth print clears, so the value is the plain mean of the two tiny ones.
    const double ap[] = {100, 110, 100, 100.0000001, 100}, as[] = {1, 1, 1, 1e6, 1e6};
    std::vector<TradePrint> swings;
    for (int i = 0; i < 5; ++i) swings.push_back(buy(as[i], ap[i]));
    const auto impact = [&](int i) { return std::fabs(std::log(ap[i] / ap[i - 1])) / (ap[i] * as[i]); };
    const double r1 = std::log(101.0 / 100.0) / 101.0;
    test::expect_bar_pins({
        {"AmihudIlliquidity", {2}, singles(swings), {((-0.0 + impact(3)) + impact(4)) / 2.0}},
        // Exact counts of non-zero buy and sell sizes decide the one-sided windows: the running
        // sums keep a residue of the sizes that left.
        {"TradeImbalance", {1}, singles({buy(1000.3), buy(0.1), sell(0.01)}), {-1.0}},
        {"TradeImbalance", {1}, singles({buy(0.7), buy(0.1), sell(1e-17)}), {-1.0}},
        {"TradeImbalance", {1}, singles({sell(0.7), sell(0.1), buy(1e-17)}), {1.0}},
        {"TradeImbalance", {2}, singles({buy(0.7), sell(0.1), buy(0), sell(0)}), {0.0}},
        // Both sides held, the buy side by 1e-17 beside a residue of -2.8e-17: -1.0000000000000056 clamped.
        {"TradeImbalance", {2}, singles({buy(0.01), buy(0.1), buy(0.2), buy(1e-17), sell(0.01)}), {-1.0}},
        // A bar whose only print is skipped gives none; one of size 0 repeats the last value.
        {"AmihudIlliquidity", {1}, singles({buy(1, 100), buy(1, 101), buy(1e-300, 1e-300), sell(0, 50)}), {N, r1, N, r1}},
        {"AmihudIlliquidity", {1}, singles({buy(1e-300, 1e-300), buy(1, 100), buy(1, 101)}), {N, N, r1}},
        {"AmihudIlliquidity", {1}, {Prints{buy(0)}, Prints{buy(1, 100)}, Prints{sell(0)}}, {N, N, N}},
        // Balanced buckets: their sum 0 over the infinite V n is the true 0.
        {"Vpin", {1e308, 2}, singles({buy(5e307), sell(5e307), buy(5e307), sell(5e307)}), {0.0}},
    });
    // Values out of the finite range from a finite state are not given (as written: inf and NaN).
    std::vector<TradePrint> wide;
    for (int i = 0; i < 8; ++i) wide.push_back(buy(1, i % 2 ? 2e200 : 1e200));
    EXPECT_EQ(test::first_value_bar(run_bars("RollMeasure", {3}, singles(wide))), 0u);
    EXPECT_EQ(test::first_value_bar(run_bars("Vpin", {1e308, 2}, singles({buy(1e308), sell(1e308), buy(1e308)}))), 0u);
}

// A print whose derived value is out of the finite range is skipped as if the bar did not carry
// it, the bar's other prints counting as usual; a huge (or infinite) print is cut to the buckets
// that can still show (105 into a bucket with room 7 acts as 35; inf as the room plus n buckets).
TEST(TradePrintsTest, SkippedAndCutPrintsActAsTheirPlainForms) {
    const PrintBars base = {Prints{buy(1, 100), sell(2, 101)}, Prints{buy(1.5, 99)}, Prints{sell(1, 100.5), buy(3, 100.25)},
                            Prints{buy(2, 101)}, Prints{sell(0.5, 100)}, Prints{buy(1, 100.75), sell(1, 100.5)},
                            Prints{buy(2, 99.5)}},
                    flows = {Prints{buy(1.7e308)}, Prints{buy(1)}, Prints{sell(2)}, Prints{buy(3)}};
    const auto with = [](PrintBars b, std::size_t at, TradePrint p) {
        b[at].prints.insert(b[at].prints.begin() + static_cast<std::ptrdiff_t>(b[at].prints.size() / 2), p);
        return b;
    };
    // A print whose ratio or impact is refused, then one at the price before it (refused as
    // well): the next ratio is taken from that price, as without them.
    const auto with_back = [](PrintBars b, std::size_t at, TradePrint p, TradePrint back) {
        const auto where = b[at].prints.begin() + static_cast<std::ptrdiff_t>(b[at].prints.size() / 2);
        b[at].prints.insert(where, {p, back});
        return b;
    };
    const auto led = [](TradePrint p) {
        return PrintBars{Prints{sell(3)}, Prints{p}, Prints{sell(3), buy(4)}, Prints{sell(12)}, Prints{buy(7), sell(1)}};
    };
    const std::vector<std::tuple<const char*, std::vector<double>, PrintBars, PrintBars>> cases = {
        {"AmihudIlliquidity", {2}, with(base, 2, buy(1e-300, 1e-300)), base},  // price x size underflows to 0
        {"AmihudIlliquidity", {2}, with(base, 3, buy(1e10, 1e300)), base},     // price x size overflows
        {"AmihudIlliquidity", {2}, with_back(base, 4, buy(1, 5e-324), buy(1, 101)), base},  // ratio 0: log not finite
        {"AmihudIlliquidity", {1}, with_back(base, 5, buy(1e-320, 101), buy(1e-320, 100.75)), base},  // |r| / 1e-318 overflows
        {"CumulativeVolumeDelta", {}, with(flows, 1, buy(1e308)), flows},
        {"TradeImbalance", {2}, with(flows, 1, buy(1e308)), flows},
        {"Vpin", {10, 2}, led(buy(105)), led(buy(35))},
        {"Vpin", {10, 2}, led(buy(std::numeric_limits<double>::infinity())), led(buy(27))},
    };
    for (const auto& [type, params, got, plain] : cases)
        test::expect_series(run_bars(type, params, got), run_bars(type, params, plain), 0, test::describe(type, params));
    // The ratio after a refused impact is taken from its price: 202 / 101, not 202 / 100.
    const Series amihud = run_bars("AmihudIlliquidity", {1}, test::singles({buy(1, 100), buy(1e-320, 101), buy(1, 202)}));
    EXPECT_FALSE(amihud[1]);
    EXPECT_NEAR(amihud[2].value_or(0), std::fabs(std::log(202.0 / 101.0)) / 202.0, 1e-12 * std::log(2.0) / 202.0);
}

}  // namespace
}  // namespace prynox
