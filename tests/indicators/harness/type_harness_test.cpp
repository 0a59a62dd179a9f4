// Properties every built indicator type shares, checked over the whole registry from the rows
// the families register (support/type_cases.hpp):
// - the first value comes on the bar of the reported warm-up (or as the row's rule says);
// - a rejected input changes nothing: the values on the other bars are those of the series
//   without it, bit for bit;
// - two instances fed the same bars agree bit for bit;
// - nothing is allocated once the window has filled;
// - every constructor check gives its exact message.
// A built type without a row fails, so that no type escapes the harness.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <map>
#include <new>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "core/registry/type_table.hpp"
#include "support/indicator_test_support.hpp"
#include "support/type_cases.hpp"

namespace {
// Allocations counted while a check asks for it.
std::atomic<bool> g_counting{false};
std::atomic<std::uint64_t> g_allocations{0};
}  // namespace

void* operator new(std::size_t n) {
    if (g_counting.load(std::memory_order_relaxed)) g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n == 0 ? 1 : n)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace prynox::test {

std::vector<TypeCase>& type_cases() {
    static std::vector<TypeCase> cases;
    return cases;
}
std::vector<CheckCase>& check_cases() {
    static std::vector<CheckCase> cases;
    return cases;
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Every input a bar can carry, derived from a close, so that a type of any feed can be fed. A
// non-finite close makes a bar that every feed rejects: the candle fails its check, the
// reference is NaN, and the book, tick and cross-section list are absent.
struct Bars {
    std::vector<Candle> candles;
    std::vector<double> reference;
    std::vector<std::vector<TradePrint>> trades;
    std::vector<OrderBook> books;
    std::vector<DerivativesTick> ticks;
    std::vector<CrossSectionEntry> cross;

    explicit Bars(const std::vector<double>& closes) {
        double previous = closes.empty() ? 100.0 : closes[0];
        for (std::size_t i = 0; i < closes.size(); ++i) {
            const double c = closes[i];
            const bool ok = std::isfinite(c);
            const double open = ok ? previous : c;
            candles.push_back({static_cast<std::int64_t>(i) * 60000, open, ok ? std::max(open, c) + 0.5 : c,
                               ok ? std::min(open, c) - 0.5 : c, c, 1000.0 + static_cast<double>(i % 7)});
            reference.push_back(ok ? 0.5 * c + 10.0 : kNaN);
            trades.push_back({{c, 1.0 + static_cast<double>(i % 3), Side::Buy, 1},
                              {c + 0.01, 2.0, i % 2 ? Side::Sell : Side::Buy, 2}});
            books.push_back({{{c - 0.05, 3.0}, {c - 0.1, 5.0}}, {{c + 0.05, 2.0}, {c + 0.1, 4.0}}});
            DerivativesTick t;
            t.funding_rate = 1e-4 * static_cast<double>(i % 5) - 2e-4;
            t.mark_price = t.index_price = c;
            t.futures_price = c + 0.2;
            t.open_interest = 5000.0 + static_cast<double>(i % 11);
            t.long_size = 40.0 + static_cast<double>(i % 3);
            t.short_size = 38.0;
            t.taker_buy_volume = 10.0 + static_cast<double>(i % 4);
            t.taker_sell_volume = 9.0;
            t.long_liquidation = static_cast<double>(i % 2);
            t.short_liquidation = 0.5;
            ticks.push_back(t);
            if (ok) previous = c;
        }
        cross = {{1.0, 10.0, true, false, true, true}, {-1.0, 5.0, false, true, false, false}};
    }

    BarContext context(std::size_t i) const {
        BarContext ctx;
        ctx.candle = &candles[i];
        ctx.reference = reference[i];
        ctx.trades = trades[i];
        if (std::isfinite(candles[i].close)) {
            ctx.book = &books[i];
            ctx.deriv = &ticks[i];
            ctx.cross_section = &cross;
        }
        return ctx;
    }
};

struct Feeding {
    std::vector<OptionalValue> values;
    std::vector<std::vector<double>> outputs;  // the list after each value
};

Feeding run(Indicator& indicator, const Bars& bars) {
    Feeding r;
    for (std::size_t i = 0; i < bars.candles.size(); ++i) {
        r.values.push_back(indicator.update(bars.context(i)));
        std::vector<double> list;
        if (r.values.back())
            for (const auto& o : indicator.outputs()) list.push_back(o.value);
        r.outputs.push_back(std::move(list));
    }
    return r;
}

bool same(const OptionalValue& a, const OptionalValue& b) {
    return a.has_value() == b.has_value() &&
           (!a.has_value() || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b));
}

bool same(const std::vector<double>& a, const std::vector<double>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::bit_cast<std::uint64_t>(a[k]) != std::bit_cast<std::uint64_t>(b[k])) return false;
    return true;
}

std::string name_of(const TypeCase& c) {
    std::string s = c.type;
    for (double p : c.params) s += " " + std::to_string(p);
    return s;
}

std::unique_ptr<Indicator> build(const TypeCase& c) {
    auto built = build_indicator(c.type, c.params);
    if (!built) {
        ADD_FAILURE() << name_of(c) << ": " << built.error().display();
        return nullptr;
    }
    return std::move(*built);
}

// Feeds whose step always runs have no input to reject.
bool can_reject(const std::string& type) {
    const auto feed = indicator_feed(type);
    return feed && *feed != Feed::Trade && *feed != Feed::TradeQuote;
}

const std::vector<double>& clean_closes() {
    static const std::vector<double> closes = varied_closes(2000, 99, false);
    return closes;
}
const std::vector<double>& noisy_closes() {
    static const std::vector<double> closes = varied_closes(1200, 7, true);
    return closes;
}
const std::vector<double>& flat_closes() {
    static const std::vector<double> closes = closes_with_flat_runs();
    return closes;
}

TEST(TypeHarness, EveryBuiltTypeHasARowAndEveryRowBuilds) {
    std::map<std::string, int> rows;
    for (const auto& c : type_cases()) ++rows[c.type];
    for (const auto& row : type_rows()) {
        const bool built = type_builder(*find_type(row.name)) != nullptr;
        EXPECT_EQ(rows.count(std::string(row.name)) > 0, built)
            << row.name << (built ? " builds but has no harness row" : " has a harness row but does not build");
    }
    for (const auto& c : type_cases()) EXPECT_TRUE(build(c) != nullptr) << name_of(c);
}

TEST(TypeHarness, FirstValueComesAtTheReportedWarmup) {
    const Bars bars(clean_closes());
    for (const auto& c : type_cases()) {
        auto ind = build(c);
        if (!ind) continue;
        const std::uint64_t warmup = ind->warmup_period();
        const Feeding r = run(*ind, bars);
        std::size_t first = 0;
        while (first < r.values.size() && !r.values[first]) ++first;
        ASSERT_LT(first, r.values.size()) << name_of(c) << ": no value in " << r.values.size() << " bars";
        if (c.warmup == WarmupRule::FirstValueAtWarmup) {
            EXPECT_EQ(first + 1, warmup) << name_of(c);
        } else {
            EXPECT_LE(first + 1, warmup) << name_of(c) << " (" << c.note << ")";
        }
    }
}

TEST(TypeHarness, RejectedInputsChangeNothing) {
    for (const auto* closes : {&noisy_closes(), &flat_closes()}) {
        const Bars with(*closes);
        const Bars without(accepted(*closes));
        for (const auto& c : type_cases()) {
            if (!can_reject(c.type)) continue;
            auto a = build(c);
            auto b = build(c);
            if (!a || !b) continue;
            const Feeding ra = run(*a, with);
            const Feeding rb = run(*b, without);
            std::size_t k = 0;
            for (std::size_t i = 0; i < closes->size(); ++i) {
                if (!std::isfinite((*closes)[i])) {
                    EXPECT_FALSE(ra.values[i].has_value()) << name_of(c) << " bar " << i;
                    continue;
                }
                ASSERT_TRUE(same(ra.values[i], rb.values[k]) && same(ra.outputs[i], rb.outputs[k]))
                    << name_of(c) << ": bar " << i << " differs from the series without its rejected bars";
                ++k;
            }
        }
    }
}

TEST(TypeHarness, TwoInstancesAgreeBitForBit) {
    for (const auto* closes : {&clean_closes(), &noisy_closes(), &flat_closes()}) {
        const Bars bars(*closes);
        for (const auto& c : type_cases()) {
            auto a = build(c);
            auto b = build(c);
            if (!a || !b) continue;
            const Feeding ra = run(*a, bars);
            const Feeding rb = run(*b, bars);
            for (std::size_t i = 0; i < closes->size(); ++i)
                ASSERT_TRUE(same(ra.values[i], rb.values[i]) && same(ra.outputs[i], rb.outputs[i]))
                    << name_of(c) << " bar " << i;
        }
    }
}

TEST(TypeHarness, NothingIsAllocatedOnceTheWindowHasFilled) {
    const Bars bars(clean_closes());
    const std::size_t half = bars.candles.size() / 2;
    for (const auto& c : type_cases()) {
        auto ind = build(c);
        if (!ind) continue;
        for (std::size_t i = 0; i < half; ++i) (void)ind->update(bars.context(i));
        g_allocations = 0;
        g_counting = true;
        for (std::size_t i = half; i < bars.candles.size(); ++i) {
            (void)ind->update(bars.context(i));
            (void)ind->outputs();
        }
        g_counting = false;
        EXPECT_EQ(g_allocations.load(), 0u) << name_of(c);
    }
}

TEST(TypeHarness, ConstructorChecksGiveTheirMessages) {
    for (const auto& c : check_cases()) EXPECT_EQ(outcome(c.type.c_str(), c.params), c.message) << name_of({c.type, c.params});
}

}  // namespace
}  // namespace prynox::test
