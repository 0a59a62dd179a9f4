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
#include <vector>

#include "support/print_feed.hpp"

namespace prynox {
namespace {

using test::OwnedBook;
using test::PrintBar;
using test::PrintBars;
using test::run_bars;
using test::Series;
using test::top;
using Opt = std::optional<double>;
constexpr Opt N = std::nullopt;

double mid(double a, double b) { return (a + b) * 0.5; }

// Books of 1 to 5 levels a side (some sizes 0, some tops empty of size), a few without a book;
// prints of both sides, 0 to 3 a bar; then a stretch of unchanged tops and of equal buys.
PrintBars varied_bars() {
    PrintBars out;
    std::uint64_t s = 5;
    double centre = 100.0;
    for (int i = 0; i < 300; ++i) {
        PrintBar bar;
        centre = std::fabs(centre + test::unit(s) * 0.75) + 1.0;
        const double half = 0.05 + std::fabs(test::unit(s)) * 0.2;
        OwnedBook book;
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

double imbalance(double b, double a) { return b + a > 0.0 ? (b - a) / (b + a) : 0.0; }

double slope(const std::vector<Level>& side, double m, bool asks) {
    double cumulative = 0.0, sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (const Level& l : side) {
        const double x = asks ? l.price - m : m - l.price, y = cumulative += l.size;
        sx += x, sy += y, sxy += x * y, sxx += x * x;
    }
    const double k = static_cast<double>(side.size()), den = sxx * k - sx * sx;
    return den == 0.0 ? 0.0 : (sxy * k - sx * sy) / den;
}

// A book type's value on one book.
double book_value(const std::string& type, double n, const OwnedBook& b) {
    const Level bid = b.bids[0], ask = b.asks[0];
    const double m = mid(bid.price, ask.price);
    if (type == "QuotedSpread") return ((ask.price - bid.price) / m) * 10000.0;
    if (type == "OrderBookImbalanceTop1") return imbalance(bid.size, ask.size);
    if (type == "OrderBookImbalanceTopN") return imbalance(sum_sizes(b.bids, n), sum_sizes(b.asks, n));
    if (type == "OrderBookImbalanceFull") return imbalance(sum_sizes(b.bids, 99), sum_sizes(b.asks, 99));
    if (type == "Microprice")
        return bid.size + ask.size > 0 ? (bid.price * ask.size + ask.price * bid.size) / (bid.size + ask.size) : m;
    if (b.bids.size() < 2 || b.asks.size() < 2) return 0.0;  // DepthSlope
    return mid(slope(b.bids, m, false), slope(b.asks, m, true));
}

// The flow of each book with both sides against the book before it, summed over the last n books
// taken: a book whose flow or sum leaves the doubles gives none and leaves the window, and the
// next book is compared with it all the same.
Series ref_ofi(const PrintBars& bars, std::size_t n) {
    Series out(bars.size());
    std::vector<double> flows;
    const OwnedBook* before = nullptr;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (!bars[i].book || bars[i].book->bids.empty() || bars[i].book->asks.empty()) continue;
        const OwnedBook& b = *bars[i].book;
        if (before != nullptr) {
            const Level bid = b.bids[0], ask = b.asks[0], bid0 = before->bids[0], ask0 = before->asks[0];
            const double eb = (bid.price >= bid0.price ? bid.size : 0.0) - (bid.price <= bid0.price ? bid0.size : 0.0);
            const double ea = (ask.price <= ask0.price ? ask.size : 0.0) - (ask.price >= ask0.price ? ask0.size : 0.0);
            flows.push_back(eb - ea);
            double sum = 0.0;
            for (std::size_t k = flows.size() > n ? flows.size() - n : 0; k < flows.size(); ++k) sum += flows[k];
            if (!std::isfinite(flows.back()) || !std::isfinite(sum)) flows.pop_back();
            else if (flows.size() >= n) out[i] = sum;
        }
        before = &b;
    }
    return out;
}

// The trade-and-quote types: each print's result given every (sign, price, size, mid) so far.
struct Print {
    double sign, price, size, mid;
};
Opt trade_value(const std::string& type, std::size_t n, const std::vector<Print>& s) {
    const Print& p = s.back();
    if (type == "EffectiveSpread") return (((2.0 * p.sign) * (p.price - p.mid)) / p.mid) * 10000.0;
    if (s.size() <= n) return N;
    if (type == "RealizedSpread") {
        const Print& old = s[s.size() - 1 - n];
        return (((2.0 * old.sign) * (old.price - p.mid)) / old.mid) * 10000.0;
    }
    // KylesLambda: the least-squares slope of the mid change on the signed size over the last n pairs.
    std::vector<double> x, y;
    double mx = 0, my = 0, sxx = 0, sxy = 0;
    for (std::size_t i = s.size() - n; i < s.size(); ++i) x.push_back(s[i].sign * s[i].size), y.push_back(s[i].mid - s[i - 1].mid);
    for (std::size_t i = 0; i < n; ++i) mx += x[i] / n, my += y[i] / n;
    for (std::size_t i = 0; i < n; ++i) sxx += (x[i] - mx) * (x[i] - mx), sxy += (x[i] - mx) * (y[i] - my);
    return std::all_of(x.begin(), x.end(), [&](double v) { return v == x[0]; }) ? 0.0 : sxy / sxx;
}

TEST(OrderBookTest, TypesMatchTheirDefinitions) {
    const PrintBars bars = varied_bars();
    for (const auto& [type, n] : std::vector<std::pair<std::string, double>>{
             {"QuotedSpread", 0}, {"OrderBookImbalanceTop1", 0}, {"OrderBookImbalanceTopN", 1}, {"OrderBookImbalanceTopN", 3},
             {"OrderBookImbalanceTopN", 50}, {"OrderBookImbalanceFull", 0}, {"Microprice", 0}, {"DepthSlope", 0}}) {
        Series want;
        for (const PrintBar& b : bars) want.push_back(b.book ? Opt(book_value(type, n, *b.book)) : N);
        test::expect_series(run_bars(type, n ? std::vector<double>{n} : std::vector<double>{}, bars), want, 0, type);
    }
    // The flow sums are adjusted and rebuilt every n books: within 1e-12 of the window's own sum.
    std::vector<double> flows;
    std::vector<std::size_t> on;
    const OwnedBook* before = nullptr;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        if (!bars[i].book) continue;
        const OwnedBook& b = *bars[i].book;
        if (before != nullptr) {
            const Level bid = b.bids[0], ask = b.asks[0], bid0 = before->bids[0], ask0 = before->asks[0];
            const double eb = (bid.price >= bid0.price ? bid.size : 0.0) - (bid.price <= bid0.price ? bid0.size : 0.0);
            const double ea = (ask.price <= ask0.price ? ask.size : 0.0) - (ask.price >= ask0.price ? ask0.size : 0.0);
            flows.push_back(eb - ea), on.push_back(i);
        }
        before = &b;
    }
    for (std::size_t n : {1u, 4u, 25u}) {
        Series want(bars.size());
        for (std::size_t t = n - 1; t < flows.size(); ++t) {
            double sum = 0.0;
            for (std::size_t i = t + 1 - n; i <= t; ++i) sum += flows[i];
            want[on[t]] = sum;
        }
        test::expect_series(run_bars("OrderFlowImbalance", {double(n)}, bars), want, 1e-12, "OrderFlowImbalance");
    }
    for (const auto& [type, n, tol] : std::vector<std::tuple<std::string, std::size_t, double>>{
             {"EffectiveSpread", 0, 0}, {"RealizedSpread", 1, 0}, {"RealizedSpread", 6, 0},
             {"KylesLambda", 2, 1e-9}, {"KylesLambda", 9, 1e-9}, {"KylesLambda", 40, 1e-9}}) {
        Series want;
        std::vector<Print> seen;
        for (const PrintBar& b : bars) {
            const double q = b.book ? mid(b.book->bids[0].price, b.book->asks[0].price) : b.close;
            Opt v;
            for (const TradePrint& t : b.prints)
                seen.push_back({t.side == Side::Sell ? -1.0 : 1.0, t.price, t.size, q}), v = trade_value(type, n, seen);
            want.push_back(b.prints.empty() ? N : v);
        }
        test::expect_series(run_bars(type, n ? std::vector<double>{double(n)} : std::vector<double>{}, bars), want, tol,
                            test::describe(type, {double(n)}), 1e-3);
    }
}

TEST(OrderBookTest, WorkedNumbers) {
    const double big = 1.7e308;
    const OwnedBook no_asks = {{{99, 2}, {98, 1}}, {}};
    // Sqd/n - mq Sd/n is grouped Sqd/n - (mq Sd)/n: on these prints the grouping mq (Sd/n) gives
    // 0.44247662227260043 on the last bar.
    const double bids[] = {100.29, 97.38, 97.36, 98.24, 101.08, 99.57, 98.88, 100.51};
    const double sizes[] = {-0.8, -3.6, 5.3, 3.6, -4.6, 1.3, 0.5, 6.8};
    PrintBars grouping;
    for (int i = 0; i < 8; ++i)
        grouping.push_back({top(bids[i], 1, bids[i] + 0.5, 1), {{100, std::fabs(sizes[i]), sizes[i] < 0 ? Side::Sell : Side::Buy, 0}}});
    test::expect_bar_pins({
        {"KylesLambda", {3}, grouping, {0.4424766222726005}},
        // One-sided and empty books: the values promised for them.
        {"QuotedSpread", {}, {{no_asks}}, {0.0}},
        {"OrderBookImbalanceTop1", {}, {{no_asks}}, {0.0}},
        {"Microprice", {}, {{no_asks}}, {0.0}},
        {"DepthSlope", {}, {{no_asks}}, {0.0}},
        {"OrderBookImbalanceFull", {}, {{no_asks}}, {1.0}},
        {"OrderBookImbalanceFull", {}, {{OwnedBook{}}}, {0.0}},
        {"OrderFlowImbalance", {1}, {{top(99, 3, 101, 1)}, {no_asks}, {top(99, 5, 101, 4)}}, {N, N, 5.0 - 3.0 - (4.0 - 1.0)}},
        // A flow of 1.7e308 - (-1.7e308) is refused; the next book is compared with that one:
        // its bid of 1.7e308 is gone at the same price.
        {"OrderFlowImbalance", {1}, {{top(99, 3, 101, big)}, {top(99.5, big, 101.5, 1)}, {top(99.5, 2, 101.5, 1)}},
         {N, N, (2.0 - big) - (1.0 - 1.0)}},
        // A print whose size cannot be squared is refused with its mid change (103 - 101): the
        // next print of its bar has none, and the last two pairs (1, 0) and (2, 1) slope by 1.
        {"KylesLambda", {2},
         {{top(99.95, 1, 100.05, 1), {test::buy(1)}}, {top(100.95, 1, 101.05, 1), {test::buy(2)}},
          {top(102.95, 1, 103.05, 1), {test::buy(1e200), test::buy(1)}}, {top(103.95, 1, 104.05, 1), {test::buy(2)}}},
         {N, N, 1.0, 1.0}},
        // Derived values out of the finite range: the stateless types give none.
        {"OrderBookImbalanceTop1", {}, {{top(99, big, 101, big)}}, {N}},
        {"OrderBookImbalanceFull", {}, {{OwnedBook{{{99, big}, {98, big}}, {{101, 1}}}}}, {N}},
        {"Microprice", {}, {{top(1e300, 1e10, 2e300, 1e10)}}, {N}},
        {"DepthSlope", {}, {{OwnedBook{{{99, big}, {98, big}}, {{101, 1}, {102, 2}}}}}, {N}},
        {"EffectiveSpread", {}, {{std::nullopt, {test::buy(1, 1e300)}, 1e-10}}, {N}},
        // A record whose quote mid was 1e-305 measures to -2e311 basis points: none; the next as usual.
        {"RealizedSpread", {1}, {{std::nullopt, {test::buy(1, 1e-305)}, 1e-305}, {top(99, 1, 101, 1), {test::sell(1)}},
                                 {top(99, 1, 101, 1), {test::buy(1)}}}, {N, N, -0.0}},
    });
    // Mid changes of 1e300 on sizes of 1e-10: finite moments, a slope of about 1e310 (as written, inf).
    PrintBars wild;
    for (int i = 0; i < 6; ++i) wild.push_back({std::nullopt, {test::buy(i % 2 ? 1e-10 : 2e-10)}, i % 2 ? 2e300 : 1e300});
    EXPECT_EQ(test::first_value_bar(run_bars("KylesLambda", {2}, wild)), 0u);
}

// Equal signed sizes over the window: slope 0 exactly, also while the moments are kept about an
// anchor far from them (the mean of the varied sizes before) or one that is not exactly their
// value (three 0.1 average 0.10000000000000002).
TEST(OrderBookTest, KylesLambdaOnEqualSizesIsZero) {
    PrintBars bars;
    double m = 100.0;
    for (int i = 0; i < 50; ++i) {
        m += (i % 3 == 0 ? 0.3 : -0.1) * (i % 5 + 1);
        bars.push_back({top(m - 0.05, 1, m + 0.05, 1), {test::buy(i < 10 ? 1.0 + i % 4 : 0.1, m)}});
    }
    for (double n : {2.0, 3.0, 7.0}) {
        const Series v = run_bars("KylesLambda", {n}, bars);
        for (std::size_t i = 9 + static_cast<std::size_t>(n); i < v.size(); ++i)
            ASSERT_TRUE(v[i] && *v[i] == 0.0) << n << " bar " << i << ": " << v[i].value_or(-1);
    }
}

// What is refused changes nothing: a bar whose quote mid is not finite and positive (no book and
// such a close) or that has no prints. A book whose flow 1.7e308 - (-1.7e308) overflows leaves
// the window as it was, and the next book is compared with it; a print of size 1e200, whose
// square is out of range, is refused with its bar's mid change.
TEST(OrderBookTest, RefusedInputsChangeNothing) {
    const auto expect_spliced = [](const std::string& type, const std::vector<double>& params, const PrintBars& bars,
                                   std::size_t every, const std::vector<PrintBar>& bad) {
        PrintBars with;
        Series want;
        const Series plain = run_bars(type, params, bars);
        for (std::size_t i = 0; i < bars.size(); ++i) {
            with.push_back(bars[i]), want.push_back(plain[i]);
            if (i % every != every / 2) continue;
            with.insert(with.end(), bad.begin(), bad.end()), want.insert(want.end(), bad.size(), N);
        }
        test::expect_series(run_bars(type, params, with), want, 0, test::describe(type, params));
    };
    PrintBars bars = varied_bars(), trades;
    bars.resize(80);
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const std::vector<TradePrint> p = {test::buy(2, 100), test::sell(1, 99)};
    std::vector<PrintBar> unusable = {{std::nullopt, p, 0.0}, {std::nullopt, p, -5.0}, {std::nullopt, p, nan},
                                      {std::nullopt, p, inf}, {top(99, 1, 101, 1), {}, 100.0}};
    for (const auto& [type, params] : std::vector<std::pair<std::string, std::vector<double>>>{
             {"EffectiveSpread", {}}, {"RealizedSpread", {3}}, {"KylesLambda", {4}}})
        expect_spliced(type, params, bars, 9, unusable);
    PrintBars books;
    for (int i = 0; i < 12; ++i)
        for (const OwnedBook& b : {top(99, 1, 101, 2), top(99, 3, 101, 1.7e308), top(99.5, 1.7e308, 101.5, 1), top(98, 1, 100, 2)})
            books.push_back({b});
    const Series flow = run_bars("OrderFlowImbalance", {2}, books), flow_want = ref_ofi(books, 2);
    ASSERT_FALSE(flow_want[2]);
    test::expect_series(flow, flow_want, 1e-12, "OrderFlowImbalance 2", 1.0);
    for (int i = 0; i < 12; ++i)
        trades.push_back({top(99 + i % 3, 1, 101 + i % 3, 1), {{100, 1.0 + i % 4, i % 2 ? Side::Sell : Side::Buy, 0}}});
    // Bar 6's own print then counts no mid change: as if its bar had the book of the bar before.
    PrintBars huge = trades, still = trades;
    huge[6].prints.insert(huge[6].prints.begin(), test::buy(1e200));
    still[6].book = still[5].book;
    const Series skip = run_bars("KylesLambda", {3}, huge), plain = run_bars("KylesLambda", {3}, still);
    test::expect_series(Series(skip.begin(), skip.begin() + 7), Series(plain.begin(), plain.begin() + 7), 0, "Kyle skip");
}

}  // namespace
}  // namespace prynox
