// Properties every built indicator type shares, checked over the whole registry from the rows
// the families register (support/type_cases.hpp):
// - the first value comes on the bar of the reported warm-up (or as the row's rule says);
// - a rejected input changes nothing: the values on the other bars are those of the series
//   without it, bit for bit;
// - two instances fed the same bars agree bit for bit;
// - nothing is allocated once the window has filled;
// - every constructor check gives its exact message;
// - the ranged types (a table here) keep every value in range over series made to break sums.
// A built type without a row fails, so that no type escapes the harness.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iomanip>
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
// Not inlined: g++ 12 would pair the malloc and free across inlined vectors and warn falsely.
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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
    OrderBooks book_pool;
    std::vector<OrderBook> books;  // views of the pool, taken once every bar is in
    std::vector<DerivativesTick> ticks;
    std::vector<CrossSectionEntry> cross;

    // Bar i at minute i, or at minute minutes[i] when given: the series without its rejected
    // bars keeps the times the others had, as the calendar types need.
    explicit Bars(const std::vector<double>& closes, const std::vector<std::int64_t>& minutes = {}) {
        double previous = closes.empty() ? 100.0 : closes[0];
        std::size_t accepted_bars = 0;
        for (std::size_t i = 0; i < closes.size(); ++i) {
            const std::int64_t minute = minutes.empty() ? static_cast<std::int64_t>(i) : minutes[i];
            const double c = closes[i];
            const bool ok = std::isfinite(c);
            const double open = ok ? previous : c;
            const auto m = [i](std::size_t k) { return static_cast<double>(i % k); };
            // Counted over accepted bars, so that the series without its rejected bars carries the
            // same volumes and ticks.
            const auto a = [k = accepted_bars](std::size_t q) { return static_cast<double>(k % q); };
            candles.push_back({minute * 60000, open, ok ? std::max(open, c) + 0.5 : c,
                               ok ? std::min(open, c) - 0.5 : c, c, 1000.0 + a(7)});
            reference.push_back(ok ? 0.5 * c + 10.0 : kNaN);
            trades.push_back({{c, 1.0 + m(3), Side::Buy, 1},
                              {c + 0.01, 2.0, i % 2 ? Side::Sell : Side::Buy, 2}});
            const Level bids[] = {{c - 0.05, 3.0}, {c - 0.1, 5.0}}, asks[] = {{c + 0.05, 2.0}, {c + 0.1, 4.0}};
            book_pool.push_back(bids, asks);
            ticks.push_back({1e-4 * a(5) - 2e-4, c, c, c + 0.2, 5000.0 + a(11), 40.0 + a(3), 38.0, 10.0 + a(4), 9.0,
                             a(2), 0.5});
            if (ok) previous = c, ++accepted_bars;
        }
        cross = {{1.0, 10.0, true, false, true, true}, {-1.0, 5.0, false, true, false, false}};
        for (std::size_t i = 0; i < book_pool.size(); ++i) books.push_back(book_pool[i]);
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
    return a.has_value() == b.has_value() && (!a.has_value() || same_bits(*a, *b));
}

bool same(const std::vector<double>& a, const std::vector<double>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), same_bits);
}

std::unique_ptr<Indicator> build(const TypeCase& c) {
    auto built = build_indicator(c.type, c.params);
    if (!built) {
        ADD_FAILURE() << describe(c.type, c.params) << ": " << built.error().display();
        return nullptr;
    }
    return std::move(*built);
}

// Feeds whose step always runs have no input to reject.
bool can_reject(const std::string& type) {
    const auto feed = indicator_feed(type);
    return feed && *feed != Feed::Trade && *feed != Feed::TradeQuote;
}

using Vec = std::vector<double>;
const Vec kClean = varied_closes(2000, 99, false), kNoisy = varied_closes(1200, 7, true), kFlat = closes_with_flat_runs();

TEST(TypeHarness, EveryBuiltTypeHasARowAndEveryRowBuilds) {
    std::map<std::string, int> rows;
    for (const auto& c : type_cases()) ++rows[c.type];
    for (const auto& row : type_rows()) {
        const bool built = type_builder(*find_type(row.name)) != nullptr;
        EXPECT_EQ(rows.count(std::string(row.name)) > 0, built)
            << row.name << (built ? " builds but has no harness row" : " has a harness row but does not build");
    }
    for (const auto& c : type_cases()) EXPECT_TRUE(build(c) != nullptr) << describe(c.type, c.params);
}

TEST(TypeHarness, FirstValueComesAtTheReportedWarmup) {
    const Bars bars(kClean);
    for (const auto& c : type_cases()) {
        auto ind = build(c);
        if (!ind) continue;
        const std::uint64_t warmup = ind->warmup_period();
        const Feeding r = run(*ind, bars);
        std::size_t first = 0;
        while (first < r.values.size() && !r.values[first]) ++first;
        // A value that waits for an event (a swing pivot) may find none in these bars.
        if (first == r.values.size() && c.warmup == WarmupRule::NoEarlierThanWarmup) continue;
        ASSERT_LT(first, r.values.size()) << describe(c.type, c.params) << ": no value in " << r.values.size() << " bars";
        if (c.warmup == WarmupRule::FirstValueAtWarmup) {
            EXPECT_EQ(first + 1, warmup) << describe(c.type, c.params);
        } else if (c.warmup == WarmupRule::NoLaterThanWarmup) {
            EXPECT_LE(first + 1, warmup) << describe(c.type, c.params) << " (" << c.note << ")";
        } else {
            EXPECT_GE(first + 1, warmup) << describe(c.type, c.params) << " (" << c.note << ")";
        }
    }
}

// Two instances fed the same bars agree bit for bit; a rejected input gives no value and changes
// nothing: every other bar gives, bit for bit, what the series without it gives.
TEST(TypeHarness, InstancesAgreeAndRejectedInputsChangeNothing) {
    for (const auto* closes : {&kClean, &kNoisy, &kFlat}) {
        std::vector<std::int64_t> kept;
        for (std::size_t i = 0; i < closes->size(); ++i)
            if (std::isfinite((*closes)[i])) kept.push_back(static_cast<std::int64_t>(i));
        const Bars with(*closes), without(accepted(*closes), kept);
        for (const auto& c : type_cases()) {
            auto a = build(c), b = build(c), d = build(c);
            if (!a || !b || !d) continue;
            const Feeding ra = run(*a, with), rb = run(*b, with), rd = run(*d, without);
            for (std::size_t i = 0, k = 0; i < closes->size(); ++i) {
                ASSERT_TRUE(same(ra.values[i], rb.values[i]) && same(ra.outputs[i], rb.outputs[i]))
                    << describe(c.type, c.params) << ": two instances differ on bar " << i;
                if (!can_reject(c.type)) continue;
                if (!std::isfinite((*closes)[i])) {
                    EXPECT_FALSE(ra.values[i].has_value()) << describe(c.type, c.params) << " bar " << i;
                    continue;
                }
                ASSERT_TRUE(same(ra.values[i], rd.values[k]) && same(ra.outputs[i], rd.outputs[k]))
                    << describe(c.type, c.params) << ": bar " << i << " differs from the series without its rejected bars";
                ++k;
            }
        }
    }
}

TEST(TypeHarness, NothingIsAllocatedOnceTheWindowHasFilled) {
    const Bars bars(kClean);
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
        EXPECT_EQ(g_allocations.load(), 0u) << describe(c.type, c.params);
    }
}

// The refusal of build_indicator without its "invalid parameters for indicator <type>: " prefix,
// "" when the type builds, and the whole text marked when the prefix is missing.
std::string outcome(const std::string& type, const std::vector<double>& params) {
    auto r = build_indicator(type, params);
    if (r) return "";
    const std::string prefix = "invalid parameters for indicator " + type + ": ", text = r.error().display();
    return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : "UNEXPECTED " + text;
}

TEST(TypeHarness, ConstructorChecksGiveTheirMessages) {
    for (const auto& c : check_cases()) EXPECT_EQ(outcome(c.type, c.params), c.message) << describe(c.type, c.params);
}

// ------------------------------------------------------------------ value ranges
// Series made to break running sums and ratios, besides the three above: a window whose falls
// have all left (the down sum keeps a residue of about -2e-16) ending in a rise of 1e-16, ulp
// steps beside such residues, monotone runs (a sum over itself), huge and tiny values. Gaps are
// left to the three above: a rejected bar changes nothing, as the harness checks.

constexpr double kInf = std::numeric_limits<double>::infinity(), kEps = std::numeric_limits<double>::epsilon();
Vec residue(double sign) {
    Vec v = {1.33, 1.25, 0.97, 1.11, 0.58, 1.09, 1.49, 0.59, 0.368, 0.348, 0.056999999999999995, -0.023000000000000007,
             -0.023000000000000007, -0.023000000000000007, -0.023000000000000007, -0.022999999999999906};
    for (double& x : v) x *= sign;
    return v;
}

// The residue closes of either sign, each followed by 40 bars that move by single ulps both ways.
Vec residue_runs() {
    Vec out;
    for (int round = 0; round < 4; ++round) {
        const double up = round % 2 == 0 ? kInf : -kInf;
        Vec base = residue(round % 2 == 0 ? 1.0 : -1.0);
        out.insert(out.end(), base.begin(), base.end());
        for (int i = 0; i < 40; ++i) {
            double x = out.back();
            if (i % 9 == 4) x = std::nextafter(x, up);
            if (i % 13 == 7) x = std::nextafter(x, -up);
            out.push_back(x);
        }
    }
    return out;
}

// Variation at the scale of 1, then closes near 0.05 moving by one or two ulps (about 7e-18).
Vec ulp_steps() {
    Vec out = {1.0, 0.7, 1.3, 0.2, 1.9, 0.05, 0.6, 0.05};
    std::uint64_t seed = 5;
    for (int i = 0; i < 30; ++i) out.push_back(0.5 + unit(seed) * 0.45);
    double x = 0.05;
    for (int i = 0; i < 120; ++i) {
        const std::uint64_t r = splitmix(seed) % 5;
        if (r == 0 || r == 2) x = std::nextafter(x, kInf);
        if (r == 1) x = std::nextafter(x, -kInf);
        if (r == 2) x = std::nextafter(x, kInf);
        out.push_back(x);
    }
    return out;
}

// Returns away from 0.05 and back, then on it or one ulp either side: the upside above 0.05 keeps
// a residue of -6.9e-17 beside a live move of 6.9e-18.
Vec ulp_threshold() {
    Vec out = {0.06361367062220605, 0.07356872505294457, 0.04050083477050465, 0.05768616415702093,
               0.7386951768978419,  0.058903180597437294, 0.05, 0.05000000000000001};
    const double below = std::nextafter(0.05, 0.0), above = std::nextafter(0.05, 1.0);
    for (int i = 0; i < 3; ++i) out.insert(out.end(), {below, 0.05, above, 0.05, below, 0.05, 0.05});
    return out;
}

// Rises, flat, falls, flat, then compounding: windows with moves on one side only.
Vec monotone_runs() {
    Vec out;
    double x = 1.0 / 3.0;
    for (int i = 0; i < 80; ++i) out.push_back(x += 0.1 + i * 0.0137);
    out.insert(out.end(), 40, x);
    for (int i = 0; i < 80; ++i) out.push_back(x -= 0.07 + i * 0.0091);
    out.insert(out.end(), 40, x);
    for (int i = 0; i < 80; ++i) out.push_back(x *= 1.03);
    return out;
}

// Huge and tiny values of both signs in turn, with ordinary closes and gaps between; `positive`
// keeps the positive ones only (for the types that read log returns).
Vec huge_and_tiny(bool positive) {
    Vec out;
    for (int round = 0; round < 6; ++round)
        for (double v : {1e300, 1e-300, -1e300, 1e-300, 1.7e308, -1.7e308, 5e-324, 1e308, 1e308, -1e308, 2.0, 3.0, kNaN,
                         8e307, 8e307, -8e307, 1e-310, 100.0})
            if (!positive || v > 0.0) out.push_back(round % 2 == 0 ? v : v * 0.75);
    return out;
}

const std::vector<Vec>& range_series() {
    static const std::vector<Vec> all = {
        kClean, kNoisy, kFlat, residue(1), residue_runs(), ulp_steps(), ulp_threshold(), monotone_runs(),
        huge_and_tiny(false), huge_and_tiny(true)};
    return all;
}

// Types whose every value lies in [lo, hi] (an infinite end allows that infinity); with
// `within_closes`, the averages that mix past closes with non-negative weights: the least and
// greatest finite close so far, widened by 4 ulps of the larger end for the rounding of the mix.
struct Ranged {
    double lo, hi;
    std::vector<TypeCase> types;
    bool within_closes = false;
};

// 0.5 ln((1 + 0.999) / (1 - 0.999)): the Fisher value of the clamped extreme.
const double kFisher = 0.5 * std::log(1.999 / (1.0 - 0.999)) * (1.0 + 1e-12);

const std::vector<Ranged> kRanges = {
    {-100, 100, {{"Cmo", {1}}, {"Cmo", {4}}, {"Cmo", {14}}, {"DerivativeOscillator", {4, 3, 3, 2}}}},
    {0, 100, {{"Rsi", {2}}, {"Rsi", {14}}, {"ConnorsRsi", {3, 2, 5}}, {"StochRsi", {4, 3}}, {"AdaptiveRsi", {4}},
              {"AnchoredRsi", {}}, {"Rmi", {4, 3}}, {"Rmi", {2, 1}}, {"Rsx", {4}}, {"DynamicMomentumIndex", {14}},
              {"LaguerreRsi", {0.5}}, {"Tii", {5, 4}}, {"Tii", {1, 3}}, {"RviVolatility", {5}},
              {"RollingPercentileRank", {5}}}},
    {-kFisher, kFisher, {{"FisherRsi", {4}}}},
    {-1, 1, {{"ElderImpulse", {4, 2, 5, 3}}, {"RegimeLabel", {5, 10}}, {"TrendLabel", {5}}, {"TrendStrengthIndex", {5}},
             {"CorrelationTrendIndicator", {5}}, {"JumpIndicator", {5, 2.0}}, {"UniversalOscillator", {10}},
             {"EhlersStochastic", {10}}, {"EvenBetterSinewave", {40, 10}}, {"InverseFisherTransform", {1.0}},
             {"SineWave", {}}}},
    {0, 1, {{"RSquared", {5}}, {"HtTrendMode", {}}, {"WinRate", {5}}, {"WinRate", {3}}, {"RollingMinMaxScaler", {5}},
            {"HurstExponent", {16, 2}}}},
    {3, 25, {{"AdaptiveCycle", {}}}},
    {8, 48, {{"AutocorrelationPeriodogram", {8, 48}}}},
    {0, 2, {{"ShannonEntropy", {8, 4}}}},
    {-kInf, 1, {{"KellyCriterion", {5}}, {"KellyCriterion", {2}}}},
    {0, kInf, {{"RealizedVolatility", {5}}, {"BipowerVariation", {5}}, {"HistoricalVolatility", {5, 252}},
               {"EwmaVolatility", {0.94}}, {"Garch11", {1e-6, 0.1, 0.8}}, {"VolatilityOfVolatility", {3, 3}},
               {"UlcerIndex", {5}}, {"MaxDrawdown", {5}}, {"AverageDrawdown", {5}}, {"PainIndex", {5}},
               {"ProfitFactor", {5}}, {"OmegaRatio", {5, 0.0}}, {"OmegaRatio", {3, 0.5}}, {"OmegaRatio", {4, 0.05}},
               {"GainLossRatio", {5}}, {"UpsidePotentialRatio", {3, 0.0}}, {"UpsidePotentialRatio", {5, 0.04}},
               {"UpsidePotentialRatio", {4, 0.05}}, {"ValueAtRisk", {5, 0.95}}, {"ConditionalValueAtRisk", {5, 0.95}},
               {"Variance", {5}}, {"StdDev", {5}}, {"MedianAbsoluteDeviation", {5}}, {"RollingIqr", {5}},
               {"JarqueBera", {5}}, {"DetrendedStdDev", {5}}, {"StandardError", {5}}, {"SampleEntropy", {10, 2, 0.2}}}},
    {0, 0, {{"Vidya", {9, 4}}, {"Vidya", {2, 14}}, {"Vidya", {1, 1}}, {"Ema", {5}}, {"Smma", {5}}, {"Trima", {5}},
            {"Alma", {9, 0.85, 6}}, {"MedianMa", {5}}, {"RollingQuantile", {5, 0.3}}, {"MidPoint", {5}},
            {"Kama", {5, 2, 30}}, {"Frama", {16}}, {"GeometricMa", {5}}}, true},
};

// Every value of every ranged type in its range over every series (a NaN never is), and some
// value on the clean series (a range over no values would prove nothing).
TEST(TypeHarness, RangedTypesStayInTheirRanges) {
    for (const Ranged& g : kRanges)
        for (const TypeCase& c : g.types)
            for (const Vec& closes : range_series()) {
                const Series got = run_built(c.type, c.params, closes);
                if (&closes == &range_series().front()) {
                    EXPECT_NE(first_value_bar(got), 0u) << describe(c.type, c.params);
                }
                double lo = g.lo, hi = g.hi, seen_lo = kInf, seen_hi = -kInf;
                for (std::size_t i = 0; i < closes.size(); ++i) {
                    if (std::isfinite(closes[i])) seen_lo = std::min(seen_lo, closes[i]);
                    if (std::isfinite(closes[i])) seen_hi = std::max(seen_hi, closes[i]);
                    const double slack = 4 * kEps * std::max(std::fabs(seen_lo), std::fabs(seen_hi));
                    if (g.within_closes) lo = seen_lo - slack, hi = seen_hi + slack;
                    ASSERT_TRUE(!got[i] || (*got[i] >= lo && *got[i] <= hi))
                        << std::setprecision(17) << describe(c.type, c.params) << " over series "
                        << (&closes - range_series().data()) << ", bar " << i << ": " << *got[i] << " outside [" << lo
                        << ", " << hi << "]";
                }
            }
    // The residue window itself: three flat changes and a rise of 1e-16 give the Cmo of 4 its bound.
    EXPECT_EQ(run_built("Cmo", {4}, residue(1)).back(), 100.0);
}

}  // namespace
}  // namespace prynox::test
