// The order-book and trade-and-quote types, built from the registry, against plain
// recomputations of their definitions; the worked numbers; degenerate books and windows; derived
// values out of the finite range.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Opt = std::optional<double>;
constexpr Opt N = std::nullopt;

// One bar: a book (or none), prints, and the close the trade-and-quote types fall back on.
struct Bar {
    Bar() = default;
    Bar(std::optional<OrderBook> b, std::vector<TradePrint> p = {}, double c = 100.0)
        : book(std::move(b)), prints(std::move(p)), close(c) {}

    std::optional<OrderBook> book;
    std::vector<TradePrint> prints;
    double close = 100.0;
};

Series run_bars(const std::string& type, const std::vector<double>& params, const std::vector<Bar>& bars) {
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return Series(bars.size());
    }
    Series out;
    for (const Bar& b : bars) {
        Candle c{0, b.close + 1, b.close + 2, b.close - 1, b.close, 5};  // only the close may be read
        BarContext ctx;
        ctx.candle = &c;
        ctx.trades = b.prints;
        if (b.book) ctx.book = &*b.book;
        out.push_back((*built)->update(ctx));
    }
    return out;
}

double mid(double a, double b) { return (a + b) * 0.5; }

// Books of 1 to 5 levels a side (some sizes 0, some tops empty of size), a few without a book;
// prints of both sides, 0 to 3 a bar; then a stretch of unchanged tops and of equal buys.
std::vector<Bar> varied_bars() {
    std::vector<Bar> out;
    std::uint64_t s = 5;
    double centre = 100.0;
    for (int i = 0; i < 300; ++i) {
        Bar bar;
        centre = std::fabs(centre + test::unit(s) * 0.75) + 1.0;
        const double half = 0.05 + std::fabs(test::unit(s)) * 0.2;
        OrderBook book;
        const auto levels = [&] { return 1 + test::splitmix(s) % 5; };
        const auto size = [&] { return test::splitmix(s) % 7 == 0 ? 0.0 : std::round(std::fabs(test::unit(s)) * 400) / 8; };
        for (std::uint64_t k = 0, n = levels(); k < n; ++k) book.bids.push_back({centre - half - 0.1 * k, size()});
        for (std::uint64_t k = 0, n = levels(); k < n; ++k) book.asks.push_back({centre + half + 0.1 * k, size()});
        if (i >= 150 && i < 170) book = out.back().book.value_or(book);
        if (test::splitmix(s) % 13 != 0) bar.book = book;
        for (std::uint64_t k = 0, n = test::splitmix(s) % 4; k < n; ++k)
            bar.prints.push_back({centre + test::unit(s) * 0.3, i >= 200 && i < 230 ? 0.1 : 0.5 + std::fabs(test::unit(s)) * 9,
                                  i >= 200 && i < 230 ? Side::Buy : test::splitmix(s) % 2 ? Side::Sell : Side::Buy, i});
        bar.close = centre;
        out.push_back(bar);
    }
    return out;
}

double sum_sizes(const std::vector<Level>& side, std::size_t n) {
    double sum = 0.0;
    for (std::size_t i = 0; i < std::min(n, side.size()); ++i) sum += side[i].size;
    return sum;
}

Opt imbalance(double b, double a) { return b + a > 0.0 ? (b - a) / (b + a) : 0.0; }

double slope(const std::vector<Level>& side, double m, bool asks) {
    std::vector<double> x, y;
    double cumulative = 0.0;
    for (const Level& l : side) x.push_back(asks ? l.price - m : m - l.price), y.push_back(cumulative += l.size);
    double sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) sx += x[i], sy += y[i], sxy += x[i] * y[i], sxx += x[i] * x[i];
    const double k = static_cast<double>(x.size()), den = sxx * k - sx * sx;
    return den == 0.0 ? 0.0 : (sxy * k - sx * sy) / den;
}

// The book types: f of each bar's book, none without one.
template <class F>
Series per_book(const std::vector<Bar>& bars, F f) {
    Series out;
    for (const Bar& b : bars) out.push_back(b.book ? f(*b.book) : N);
    return out;
}

// The flows between successive books, the bar each came on.
struct Flows {
    std::vector<double> e;
    std::vector<std::size_t> bar;
};
Flows flows_of(const std::vector<Bar>& bars) {
    Flows f;
    const OrderBook* before = nullptr;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (!bars[i].book) continue;
        const OrderBook& b = *bars[i].book;
        if (before != nullptr) {
            const Level bid = b.bids[0], ask = b.asks[0], bid0 = before->bids[0], ask0 = before->asks[0];
            const double eb = (bid.price >= bid0.price ? bid.size : 0.0) - (bid.price <= bid0.price ? bid0.size : 0.0);
            const double ea = (ask.price <= ask0.price ? ask.size : 0.0) - (ask.price >= ask0.price ? ask0.size : 0.0);
            f.e.push_back(eb - ea), f.bar.push_back(i);
        }
        before = &b;
    }
    return f;
}

// The trade-and-quote types: each print's result given every (sign, price, size, mid) so far.
struct Print {
    double sign, price, size, mid;
};
template <class F>
Series per_trade(const std::vector<Bar>& bars, F result_of) {
    Series out;
    std::vector<Print> seen;
    for (const Bar& b : bars) {
        const double q = b.book ? mid(b.book->bids[0].price, b.book->asks[0].price) : b.close;
        Opt v;
        for (const TradePrint& t : b.prints) {
            seen.push_back({t.side == Side::Sell ? -1.0 : 1.0, t.price, t.size, q});
            v = result_of(seen);
        }
        out.push_back(b.prints.empty() ? N : v);
    }
    return out;
}

// Least-squares slope of the mid change on the signed size over the last n pairs, plainly.
Opt kyle(const std::vector<Print>& seen, std::size_t n) {
    if (seen.size() < n + 1) return N;
    std::vector<double> x, y;
    for (std::size_t i = seen.size() - n; i < seen.size(); ++i)
        x.push_back(seen[i].sign * seen[i].size), y.push_back(seen[i].mid - seen[i - 1].mid);
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < n; ++i) mx += x[i] / n, my += y[i] / n;
    double sxx = 0, sxy = 0;
    for (std::size_t i = 0; i < n; ++i) sxx += (x[i] - mx) * (x[i] - mx), sxy += (x[i] - mx) * (y[i] - my);
    return std::all_of(x.begin(), x.end(), [&](double v) { return v == x[0]; }) ? 0.0 : sxy / sxx;
}

TEST(OrderBookTest, TypesMatchTheirDefinitions) {
    const std::vector<Bar> bars = varied_bars();
    const auto book = [](auto f) { return [f](const OrderBook& b) -> Opt { return f(b); }; };
    test::expect_series(run_bars("QuotedSpread", {}, bars), per_book(bars, book([](const OrderBook& b) {
        return ((b.asks[0].price - b.bids[0].price) / mid(b.bids[0].price, b.asks[0].price)) * 10000.0;
    })), 0, "QuotedSpread");
    test::expect_series(run_bars("OrderBookImbalanceTop1", {}, bars), per_book(bars, [](const OrderBook& b) {
        return imbalance(b.bids[0].size, b.asks[0].size);
    }), 0, "Top1");
    for (double n : {1.0, 3.0, 50.0})
        test::expect_series(run_bars("OrderBookImbalanceTopN", {n}, bars), per_book(bars, [n](const OrderBook& b) {
            return imbalance(sum_sizes(b.bids, n), sum_sizes(b.asks, n));
        }), 0, "TopN");
    test::expect_series(run_bars("OrderBookImbalanceFull", {}, bars), per_book(bars, [](const OrderBook& b) {
        return imbalance(sum_sizes(b.bids, 99), sum_sizes(b.asks, 99));
    }), 0, "Full");
    test::expect_series(run_bars("Microprice", {}, bars), per_book(bars, [](const OrderBook& b) -> Opt {
        const Level bid = b.bids[0], ask = b.asks[0];
        const double total = bid.size + ask.size;
        return total > 0 ? (bid.price * ask.size + ask.price * bid.size) / total : mid(bid.price, ask.price);
    }), 0, "Microprice");
    test::expect_series(run_bars("DepthSlope", {}, bars), per_book(bars, [](const OrderBook& b) -> Opt {
        if (b.bids.size() < 2 || b.asks.size() < 2) return 0.0;
        const double m = mid(b.bids[0].price, b.asks[0].price);
        return mid(slope(b.bids, m, false), slope(b.asks, m, true));
    }), 0, "DepthSlope");
    // The flow sums are adjusted and rebuilt every n books: within 1e-12 of the window's own sum.
    const Flows f = flows_of(bars);
    for (std::size_t n : {1u, 4u, 25u}) {
        Series want(bars.size());
        for (std::size_t t = n - 1; t < f.e.size(); ++t) {
            double sum = 0.0;
            for (std::size_t i = t + 1 - n; i <= t; ++i) sum += f.e[i];
            want[f.bar[t]] = sum;
        }
        test::expect_series(run_bars("OrderFlowImbalance", {static_cast<double>(n)}, bars), want, 1e-12,
                            "OrderFlowImbalance " + std::to_string(n));
    }
    test::expect_series(run_bars("EffectiveSpread", {}, bars), per_trade(bars, [](const std::vector<Print>& s) -> Opt {
        const Print& p = s.back();
        return (((2.0 * p.sign) * (p.price - p.mid)) / p.mid) * 10000.0;
    }), 0, "EffectiveSpread");
    for (std::size_t n : {1u, 6u})
        test::expect_series(run_bars("RealizedSpread", {static_cast<double>(n)}, bars),
                            per_trade(bars, [n](const std::vector<Print>& s) -> Opt {
                                if (s.size() <= n) return N;
                                const Print& old = s[s.size() - 1 - n];
                                return (((2.0 * old.sign) * (old.price - s.back().mid)) / old.mid) * 10000.0;
                            }), 0, "RealizedSpread");
    for (std::size_t n : {2u, 9u, 40u})
        test::expect_series(run_bars("KylesLambda", {static_cast<double>(n)}, bars),
                            per_trade(bars, [n](const std::vector<Print>& s) { return kyle(s, n); }), 1e-9,
                            "KylesLambda " + std::to_string(n), 1e-3);
}

OrderBook top(double bid, double bid_size, double ask, double ask_size) {
    return {{{bid, bid_size}}, {{ask, ask_size}}};
}

TEST(OrderBookTest, WorkedNumbers) {
    const auto value = [](const std::string& type, const std::vector<double>& params, std::vector<Bar> bars) {
        return run_bars(type, params, bars).back();
    };
    EXPECT_EQ(value("OrderBookImbalanceTop1", {}, {{top(99, 3, 101, 1)}}), 0.5);
    EXPECT_EQ(value("OrderBookImbalanceTop1", {}, {{top(99, 0, 101, 0)}}), 0.0);
    EXPECT_EQ(value("Microprice", {}, {{top(99, 1, 101, 3)}}), 99.5);
    EXPECT_EQ(value("Microprice", {}, {{top(99, 0, 101, 0)}}), 100.0);
    const OrderBook one_ask = {{{99, 1}, {98, 2}, {97, 3}}, {{101, 4}}};
    EXPECT_EQ(value("DepthSlope", {}, {{one_ask}}), 0.0);
    const OrderBook deep = {{{99, 1}, {98, 2}}, {{101, 4}, {102, 1}, {103, 5}}};
    EXPECT_EQ(value("OrderBookImbalanceTopN", {7}, {{deep}}), value("OrderBookImbalanceFull", {}, {{deep}}));
    EXPECT_EQ(value("OrderBookImbalanceTopN", {7}, {{deep}}), (3.0 - 10.0) / 13.0);
    // Unchanged best prices: e = (qb - qb0) - (qa - qa0).
    EXPECT_EQ(value("OrderFlowImbalance", {1}, {{top(99, 3, 101, 1)}, {}, {top(99, 5, 101, 4)}}), (5.0 - 3.0) - (4.0 - 1.0));
    // Without a book the mid is the close: a buy at 101 against 100 is 200 basis points.
    EXPECT_EQ(value("EffectiveSpread", {}, {{std::nullopt, {{101, 1, Side::Buy, 0}}, 100.0}}), 200.0);
    const Series r = run_bars("RealizedSpread", {1}, {{top(99, 1, 101, 1), {{100.5, 1, Side::Buy, 0}}},
                                                      {top(100, 1, 102, 1), {{101, 1, Side::Sell, 0}}}});
    test::expect_series(r, {N, (((2.0 * 1.0) * (100.5 - 101.0)) / 100.0) * 10000.0}, 0, "RealizedSpread 1");
    // One-sided and empty books: the values promised for them.
    const OrderBook no_asks = {{{99, 2}, {98, 1}}, {}};
    for (const char* type : {"QuotedSpread", "OrderBookImbalanceTop1", "Microprice", "DepthSlope"})
        EXPECT_EQ(value(type, {}, {{no_asks}}), 0.0) << type;
    EXPECT_EQ(value("OrderBookImbalanceFull", {}, {{no_asks}}), 1.0);
    EXPECT_EQ(value("OrderBookImbalanceFull", {}, {{OrderBook{}}}), 0.0);
    EXPECT_EQ(run_bars("OrderFlowImbalance", {1}, {{top(99, 3, 101, 1)}, {no_asks}, {top(99, 5, 101, 4)}}),
              (Series{N, N, 5.0 - 3.0 - (4.0 - 1.0)}));
}

// Sqd/n - mq Sd/n is grouped Sqd/n - (mq Sd)/n: on these prints the grouping mq (Sd/n) gives
// 0.44247662227260043 on the last bar.
TEST(OrderBookTest, KylesLambdaKeepsItsWrittenGrouping) {
    const double bids[] = {100.29, 97.38, 97.36, 98.24, 101.08, 99.57, 98.88, 100.51};
    const double sizes[] = {-0.8, -3.6, 5.3, 3.6, -4.6, 1.3, 0.5, 6.8};
    std::vector<Bar> bars;
    for (int i = 0; i < 8; ++i)
        bars.push_back({top(bids[i], 1, bids[i] + 0.5, 1),
                        {{100, std::fabs(sizes[i]), sizes[i] < 0 ? Side::Sell : Side::Buy, 0}}});
    EXPECT_EQ(run_bars("KylesLambda", {3}, bars).back(), 0.4424766222726005);
}

// A bar whose quote mid is not finite and positive (no book and such a close), or that has no
// prints, gives none and changes nothing.
TEST(OrderBookTest, UnusableQuoteMidsChangeNothing) {
    std::vector<Bar> bars = varied_bars();
    bars.resize(80);
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    std::vector<Bar> with;
    std::vector<bool> bad;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        with.push_back(bars[i]), bad.push_back(false);
        if (i % 9 != 4) continue;
        const std::vector<TradePrint> p = {{100, 2, Side::Buy, 0}, {99, 1, Side::Sell, 0}};
        for (double close : {0.0, -5.0, nan, inf}) with.push_back({std::nullopt, p, close}), bad.push_back(true);
        with.push_back({bars[i].book, {}, 100.0}), bad.push_back(true);
    }
    for (const auto& [type, params] : std::vector<std::pair<std::string, std::vector<double>>>{
             {"EffectiveSpread", {}}, {"RealizedSpread", {3}}, {"KylesLambda", {4}}}) {
        const Series plain = run_bars(type, params, bars), got = run_bars(type, params, with);
        for (std::size_t i = 0, k = 0; i < with.size(); ++i) {
            if (bad[i]) {
                ASSERT_FALSE(got[i].has_value()) << type << " bar " << i;
                continue;
            }
            ASSERT_TRUE(got[i] == plain[k++]) << type << " bar " << i;
        }
    }
}

// Equal signed sizes over the window: slope 0 exactly, also while the moments are kept about an
// anchor far from them (the mean of the varied sizes before) or one that is not exactly their
// value (three 0.1 average 0.10000000000000002).
TEST(OrderBookTest, KylesLambdaOnEqualSizesIsZero) {
    std::vector<Bar> bars;
    double m = 100.0;
    for (int i = 0; i < 50; ++i) {
        m += (i % 3 == 0 ? 0.3 : -0.1) * (i % 5 + 1);
        bars.push_back({top(m - 0.05, 1, m + 0.05, 1), {{m, i < 10 ? 1.0 + i % 4 : 0.1, Side::Buy, 0}}});
    }
    for (double n : {2.0, 3.0, 7.0}) {
        const Series v = run_bars("KylesLambda", {n}, bars);
        for (std::size_t i = 10 + static_cast<std::size_t>(n); i < v.size(); ++i)
            ASSERT_TRUE(v[i] && *v[i] == 0.0) << n << " bar " << i << ": " << v[i].value_or(-1);
    }
}

// Derived values out of the finite range: stateless types give no value; a book whose flow, or a
// print whose moments, would not be finite changes nothing.
TEST(OrderBookTest, NonFiniteDerivedValues) {
    const double big = 1.7e308;
    EXPECT_EQ(run_bars("OrderBookImbalanceTop1", {}, {{top(99, big, 101, big)}}).back(), N);
    EXPECT_EQ(run_bars("OrderBookImbalanceFull", {}, {{OrderBook{{{99, big}, {98, big}}, {{101, 1}}}}}).back(), N);
    EXPECT_EQ(run_bars("Microprice", {}, {{top(1e300, 1e10, 2e300, 1e10)}}).back(), N);
    EXPECT_EQ(run_bars("DepthSlope", {}, {{OrderBook{{{99, big}, {98, big}}, {{101, 1}, {102, 2}}}}}).back(), N);
    EXPECT_EQ(run_bars("EffectiveSpread", {}, {{std::nullopt, {{1e300, 1, Side::Buy, 0}}, 1e-10}}).back(), N);
    // The flow 1.7e308 - (-1.7e308) overflows: that book is refused and the next compares with the one before.
    const std::vector<Bar> books = {{top(99, 1, 101, 2)}, {top(99, 3, 101, big)}, {top(99, 4, 101, 5)}, {top(98, 1, 100, 2)}};
    std::vector<Bar> with = books;
    with.insert(with.begin() + 2, Bar{top(99.5, big, 101.5, 1)});
    Series want = run_bars("OrderFlowImbalance", {2}, books);
    want.insert(want.begin() + 2, N);
    test::expect_series(run_bars("OrderFlowImbalance", {2}, with), want, 0, "OrderFlowImbalance refusal");
    // A print of size 1e200 squares out of range: skipped, the mid change counted on the next print.
    std::vector<Bar> trades;
    for (int i = 0; i < 12; ++i)
        trades.push_back({top(99 + i % 3, 1, 101 + i % 3, 1), {{100, 1.0 + i % 4, i % 2 ? Side::Sell : Side::Buy, 0}}});
    std::vector<Bar> huge = trades;
    huge[6].prints.insert(huge[6].prints.begin(), {100, 1e200, Side::Buy, 0});
    test::expect_series(run_bars("KylesLambda", {3}, huge), run_bars("KylesLambda", {3}, trades), 0, "Kyle skip");
    // Mid changes of 1e300 on sizes of 1e-10: finite moments, a slope of about 1e310 (as written, inf).
    std::vector<Bar> wild;
    for (int i = 0; i < 6; ++i)
        wild.push_back({std::nullopt, {{100, i % 2 ? 1e-10 : 2e-10, Side::Buy, 0}}, i % 2 ? 2e300 : 1e300});
    EXPECT_EQ(test::first_value_bar(run_bars("KylesLambda", {2}, wild)), 0u);
    // A record whose quote mid was 1e-305 measures to -2e311 basis points: no value; the next one
    // is measured as usual.
    const Series r = run_bars("RealizedSpread", {1}, {{std::nullopt, {{1e-305, 1, Side::Buy, 0}}, 1e-305},
                                                      {top(99, 1, 101, 1), {{100, 1, Side::Sell, 0}}},
                                                      {top(99, 1, 101, 1), {{100, 1, Side::Buy, 0}}}});
    test::expect_series(r, {N, N, -0.0}, 0, "RealizedSpread out of range");
}

}  // namespace
}  // namespace prynox
