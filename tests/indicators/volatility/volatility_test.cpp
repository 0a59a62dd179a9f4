// The volatility measures of the close: each type against a straightforward recomputation over
// the accepted closes of a varied series with refused bars, the stated edge cases, degenerate
// (flat) windows, bars whose derived values overflow, and every registry check.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "indicators/volatility/bipower_variation.hpp"
#include "indicators/volatility/ewma_volatility.hpp"
#include "indicators/volatility/garch11.hpp"
#include "indicators/volatility/historical_volatility.hpp"
#include "indicators/volatility/jump_indicator.hpp"
#include "indicators/volatility/realized_volatility.hpp"
#include "indicators/volatility/rvi_volatility.hpp"
#include "indicators/cores/shifted_sums_window.hpp"
#include "indicators/volatility/ulcer_index.hpp"
#include "indicators/volatility/volatility_of_volatility.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ data

// The varied closes (trend, jumps, a flat run at bars 120..150, a quiet stretch, non-finite
// bars) with closes the log-return types refuse: zeros, negatives, and one so small that its
// ratio to its neighbour underflows to a log of -infinity.
const Vec& closes() {
    static const Vec c = [] {
        Vec v = test::varied_closes(kBars, 7, true);
        v[40] = 0.0;
        v[41] = -3.5;
        v[90] = -0.0;
        v[170] = 1e-323;
        v[305] = -120.0;
        return v;
    }();
    return c;
}

// The returns the log-return types see: refused closes leave the previous close in place.
struct Returns {
    Vec r;                       // in order
    std::vector<long> bar_of_r;  // the bar each return came from
};

Returns log_returns(const Vec& xs) {
    Returns out;
    std::optional<double> prev;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        double x = xs[i];
        if (!std::isfinite(x) || x <= 0) continue;
        if (!prev) {
            prev = x;
            continue;
        }
        double r = std::log(x / *prev);
        if (!std::isfinite(r)) continue;
        out.r.push_back(r);
        out.bar_of_r.push_back(static_cast<long>(i));
        prev = x;
    }
    return out;
}

// Outputs per return spread onto the bars of `xs` (none elsewhere).
Series on_return_bars(const Vec& xs, const Series& per_return) {
    Returns rs = log_returns(xs);
    Series out(xs.size());
    for (std::size_t k = 0; k < per_return.size(); ++k) out[rs.bar_of_r[k]] = per_return[k];
    return out;
}


// ------------------------------------------------------------------ reference shifted sums

// The anchored sums as described: the first value is the anchor, entering and leaving
// deviations are added and subtracted, and after every n pushes the anchor moves to the mean
// and the sums are rebuilt from the window. A window of n equal values has variance 0.
struct RefShifted {
    std::size_t n;
    std::deque<double> w;
    double k = 0, s1 = 0, s2 = 0;
    std::size_t updates = 0;
    bool anchored = false;

    explicit RefShifted(std::size_t n) : n(n) {}
    void push(double v) {
        if (!anchored) {
            k = v;
            anchored = true;
        }
        if (w.size() == n) {
            double d = w.front() - k;
            w.pop_front();
            s1 -= d;
            s2 -= d * d;
        }
        w.push_back(v);
        double d = v - k;
        s1 += d;
        s2 += d * d;
        if (++updates >= n) {
            double sum = 0;
            for (double x : w) sum += x;
            k = sum / static_cast<double>(w.size());
            s1 = s2 = 0;
            for (double x : w) {
                s1 += x - k;
                s2 += (x - k) * (x - k);
            }
            updates = 0;
        }
    }
    bool full() const { return w.size() == n; }
    bool flat() const {
        for (double x : w)
            if (!test::same_bits(x, w.front())) return false;
        return true;
    }
    double mean() const { return k + s1 / static_cast<double>(n); }
    double sample() const {
        if (flat()) return 0;
        double nd = static_cast<double>(n), u = s1 / nd;
        return std::max(std::fma(nd, -(u * u), s2) / (nd - 1), 0.0);
    }
    double population() const {
        if (flat()) return 0;
        double nd = static_cast<double>(n), u = s1 / nd;
        return std::max(s2 / nd - u * u, 0.0);
    }
};

double plain_sample_sd(const Vec& v) {
    double m = 0;
    for (double x : v) m += x;
    m /= static_cast<double>(v.size());
    double s = 0;
    for (double x : v) s += (x - m) * (x - m);
    return std::sqrt(s / static_cast<double>(v.size() - 1));
}

// ------------------------------------------------------------------ references per return

Series ref_realized(const Vec& r, std::size_t n) {
    Series out;
    double q = 0;
    std::size_t updates = 0;
    for (std::size_t t = 0; t < r.size(); ++t) {
        if (t >= n) q = q - r[t - n] * r[t - n];
        q = q + r[t] * r[t];
        if (++updates >= n) {
            q = 0;
            for (std::size_t i = t + 1 - std::min(n, t + 1); i <= t; ++i) q += r[i] * r[i];
            updates = 0;
        }
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        bool flat = true;
        for (std::size_t i = t + 1 - n; i <= t; ++i) flat = flat && r[i] * r[i] == 0;
        out.push_back(flat ? 0.0 : std::sqrt(std::max(q, 0.0)));
    }
    return out;
}

Series ref_bipower(const Vec& r, std::size_t n) {
    Series out;
    double b = 0;
    std::size_t updates = 0;
    for (std::size_t t = 0; t < r.size(); ++t) {
        if (t > 0) {
            b += std::fabs(r[t] * r[t - 1]);
            ++updates;
        }
        if (t >= n) {  // the window overflows: its oldest return leaves
            b -= std::fabs(r[t - n] * r[t - n + 1]);
            if (updates >= n) {
                b = 0;
                for (std::size_t i = t - n + 2; i <= t; ++i) b += std::fabs(r[i] * r[i - 1]);
                updates = 0;
            }
        }
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        bool flat = true;
        for (std::size_t i = t + 2 - n; i <= t; ++i) flat = flat && std::fabs(r[i] * r[i - 1]) == 0;
        out.push_back(flat ? 0.0 : std::max(b, 0.0) * 1.5707963267948966);
    }
    return out;
}

Series ref_historical(const Vec& r, std::size_t n, double a) {
    Series out;
    RefShifted s(n);
    for (double v : r) {
        s.push(v);
        out.push_back(s.full() ? std::optional(std::sqrt(s.sample()) * std::sqrt(a) * 100.0) : std::nullopt);
    }
    return out;
}

Series ref_ewma(const Vec& r, double lambda) {
    Series out;
    double v = 0;
    for (std::size_t t = 0; t < r.size(); ++t) {
        v = t == 0 ? r[t] * r[t] : v * lambda + r[t] * (r[t] * (1 - lambda));
        out.push_back(std::sqrt(std::max(v, 0.0)));
    }
    return out;
}

Series ref_garch(const Vec& r, double omega, double alpha, double beta) {
    Series out;
    double v = 0, s = 0;
    for (std::size_t t = 0; t < r.size(); ++t) {
        v = t == 0 ? omega / ((1 - alpha) - beta) : (omega + alpha * s) + beta * v;
        s = r[t] * r[t];
        out.push_back(std::sqrt(v));
    }
    return out;
}

Series ref_jump(const Vec& r, std::size_t n, double thr) {
    Series out;
    RefShifted s(n);
    for (double v : r) {
        std::optional<double> value;
        if (s.full()) {
            double var = s.sample();
            if (var == 0) {
                value = 0.0;
            } else {
                double sd = std::sqrt(var), dev = v - s.mean();
                value = dev > sd * thr ? 1.0 : dev < -(thr * sd) ? -1.0 : 0.0;
            }
        }
        s.push(v);
        out.push_back(value);
    }
    return out;
}

Series ref_vol_of_vol(const Vec& r, std::size_t p, std::size_t q) {
    Series out;
    RefShifted rs(p), vs(q);
    for (double v : r) {
        rs.push(v);
        if (!rs.full()) {
            out.push_back(std::nullopt);
            continue;
        }
        vs.push(std::sqrt(rs.sample()));
        out.push_back(vs.full() ? std::optional(std::sqrt(vs.sample())) : std::nullopt);
    }
    return out;
}

// Over accepted closes.
Series ref_rvi(const Vec& x, std::size_t n) {
    Series out;
    RefShifted s(n);
    double nd = static_cast<double>(n), up_avg = 0, down_avg = 0;
    Vec ups, downs;
    bool averaged = false;
    for (std::size_t t = 0; t < x.size(); ++t) {
        s.push(x[t]);
        if (!s.full()) {
            out.push_back(std::nullopt);
            continue;
        }
        double sd = std::sqrt(s.population());
        double up = x[t] > x[t - 1] ? sd : 0.0, down = x[t] < x[t - 1] ? sd : 0.0;
        if (averaged) {
            up_avg = std::fma(up_avg, nd - 1, up) / nd;
            down_avg = std::fma(down_avg, nd - 1, down) / nd;
        } else {
            ups.push_back(up);
            downs.push_back(down);
            if (ups.size() < n) {
                out.push_back(std::nullopt);
                continue;
            }
            up_avg = down_avg = 0;
            for (std::size_t i = 0; i < n; ++i) {
                up_avg += ups[i];
                down_avg += downs[i];
            }
            up_avg /= nd;
            down_avg /= nd;
            averaged = true;
        }
        out.push_back(up_avg + down_avg == 0 ? 50.0 : (100.0 * up_avg) / (up_avg + down_avg));
    }
    return out;
}

// Over accepted closes: the peak is a plain scan of the last n closes.
Series ref_ulcer(const Vec& x, std::size_t n) {
    Series out;
    Vec sq;
    double d = 0;
    std::size_t updates = 0;
    for (std::size_t t = 0; t < x.size(); ++t) {
        if (t + 1 < n) {
            out.push_back(std::nullopt);
            continue;
        }
        double m = *std::max_element(x.begin() + static_cast<long>(t + 1 - n), x.begin() + static_cast<long>(t + 1));
        double dd = m == 0 ? 0.0 : (x[t] - m) * 100 / m;
        if (sq.size() >= n) d -= sq[sq.size() - n];
        sq.push_back(m == 0 ? 0.0 : dd * dd);
        d += sq.back();
        if (++updates >= n) {
            d = -0.0;
            for (std::size_t i = sq.size() - std::min(n, sq.size()); i < sq.size(); ++i) d += sq[i];
            updates = 0;
        }
        if (sq.size() < n) {
            out.push_back(std::nullopt);
            continue;
        }
        bool flat = std::all_of(sq.end() - static_cast<long>(n), sq.end(), [](double v) { return v == 0; });
        out.push_back(flat ? 0.0 : std::sqrt(std::max(d / static_cast<double>(n), 0.0)));
    }
    return out;
}

// ------------------------------------------------------------------ against the references

template <class State>
void expect_on_returns(State state, const Series& per_return, double rel = 1e-12) {
    test::expect_series_near(test::run_on(std::move(state), closes()), on_return_bars(closes(), per_return), rel);
}

template <class State>
void expect_on_finite_exact(State state, const Series& per_accepted) {
    test::expect_exact(std::move(state), closes(), per_accepted);
}

// The bar of the first value on kBars clean closes is the warm-up the state reports.
template <class State>
void expect_warmup_matches(State state) {
    test::expect_warmup_matches(std::move(state), kBars);
}

const Vec& returns() {
    static const Vec r = log_returns(closes()).r;
    return r;
}

TEST(VolatilityTest, RealizedVolatility) {
    for (std::size_t n : {1u, 2u, 5u, 20u, 45u}) {
        SCOPED_TRACE(n);
        expect_on_returns(*RealizedVolatility::create(n), ref_realized(returns(), n));
        expect_warmup_matches(*RealizedVolatility::create(n));
    }
    // The running sum stays close to a plain sum of squares.
    auto got = test::run_on(*RealizedVolatility::create(20), closes());
    Returns rs = log_returns(closes());
    for (std::size_t k = 19; k < rs.r.size(); ++k) {
        double q = 0;
        for (std::size_t i = k - 19; i <= k; ++i) q += rs.r[i] * rs.r[i];
        ASSERT_NEAR(*got[rs.bar_of_r[k]], std::sqrt(q), 1e-12) << k;
    }
}

TEST(VolatilityTest, BipowerVariation) {
    for (std::size_t n : {2u, 3u, 10u, 31u}) {
        SCOPED_TRACE(n);
        expect_on_returns(*BipowerVariation::create(n), ref_bipower(returns(), n));
        expect_warmup_matches(*BipowerVariation::create(n));
    }
}

TEST(VolatilityTest, HistoricalVolatility) {
    for (auto [n, a] : {std::pair<std::size_t, std::uint64_t>{2, 1}, {10, 252}, {20, 365}, {40, 1}}) {
        SCOPED_TRACE(n);
        expect_on_returns(*HistoricalVolatility::create(n, a), ref_historical(returns(), n, static_cast<double>(a)));
        expect_warmup_matches(*HistoricalVolatility::create(n, a));
    }
    // Close to a plain two-pass standard deviation.
    auto got = test::run_on(*HistoricalVolatility::create(10, 1), closes());
    Returns rs = log_returns(closes());
    for (std::size_t k = 9; k < rs.r.size(); ++k) {
        Vec w(rs.r.begin() + static_cast<long>(k - 9), rs.r.begin() + static_cast<long>(k + 1));
        ASSERT_NEAR(*got[rs.bar_of_r[k]], plain_sample_sd(w) * 100.0, 1e-9) << k;
    }
}

TEST(VolatilityTest, EwmaAndGarch) {
    for (double lambda : {0.5, 0.94, 0.999}) {
        expect_on_returns(*EwmaVolatility::create(lambda), ref_ewma(returns(), lambda));
        expect_warmup_matches(*EwmaVolatility::create(lambda));
    }
    for (auto [o, a, b] : {std::tuple{1e-6, 0.1, 0.85}, {2e-5, 0.0, 0.0}, {1e-4, 0.3, 0.0}}) {
        expect_on_returns(*Garch11::create(o, a, b), ref_garch(returns(), o, a, b));
        expect_warmup_matches(*Garch11::create(o, a, b));
    }
}

TEST(VolatilityTest, JumpIndicator) {
    for (auto [n, t] : {std::pair<std::size_t, double>{2, 1.0}, {5, 2.0}, {20, 3.0}, {20, 0.25}}) {
        SCOPED_TRACE(n);
        expect_on_returns(*JumpIndicator::create(n, t), ref_jump(returns(), n, t));
        expect_warmup_matches(*JumpIndicator::create(n, t));
    }
    // Jumps of the series are found: some bars give +1 and some -1.
    auto got = test::run_on(*JumpIndicator::create(20, 2.0), closes());
    EXPECT_TRUE(std::count(got.begin(), got.end(), std::optional(1.0)) > 0);
    EXPECT_TRUE(std::count(got.begin(), got.end(), std::optional(-1.0)) > 0);
}

TEST(VolatilityTest, VolatilityOfVolatility) {
    for (auto [p, q] : {std::pair<std::size_t, std::size_t>{2, 2}, {5, 3}, {20, 10}, {3, 30}}) {
        SCOPED_TRACE(p);
        expect_on_returns(*VolatilityOfVolatility::create(p, q), ref_vol_of_vol(returns(), p, q));
        expect_warmup_matches(*VolatilityOfVolatility::create(p, q));
    }
}

TEST(VolatilityTest, RviVolatilityExact) {
    // Level input: zeros and negative closes are ordinary closes here.
    for (std::size_t n : {2u, 3u, 10u, 14u, 40u}) {
        SCOPED_TRACE(n);
        expect_on_finite_exact(*RviVolatility::create(n), ref_rvi(test::accepted(closes()), n));
        expect_warmup_matches(*RviVolatility::create(n));
    }
}

TEST(VolatilityTest, UlcerIndexExact) {
    for (std::size_t n : {1u, 2u, 7u, 14u, 33u}) {
        SCOPED_TRACE(n);
        expect_on_finite_exact(*UlcerIndex::create(n), ref_ulcer(test::accepted(closes()), n));
        expect_warmup_matches(*UlcerIndex::create(n));
    }
}

// ------------------------------------------------------------------ edge cases

TEST(VolatilityTest, NonPositiveClosesLeaveThePreviousClose) {
    auto hv = *HistoricalVolatility::create(2, 1);
    auto ewma = *EwmaVolatility::create(0.5);
    for (double x : {100.0, 0.0, -5.0, 110.0, -1.0}) {
        (void)hv.update_value(x);
        (void)ewma.update_value(x);
    }
    // The returns are ln(110 / 100), then ln(99 / 110).
    double r1 = std::log(1.1), r2 = std::log(0.9);
    EXPECT_NEAR(*ewma.update_value(99.0), std::sqrt(0.5 * r1 * r1 + 0.5 * r2 * r2), 1e-15);
    EXPECT_NEAR(*hv.update_value(99.0), 100 * plain_sample_sd({r1, r2}), 1e-12);
}

TEST(VolatilityTest, FirstValues) {
    auto ewma = *EwmaVolatility::create(0.94);
    EXPECT_FALSE(ewma.update_value(50));
    EXPECT_NEAR(*ewma.update_value(55), std::log(1.1), 1e-15);
    // The first variance is the long-run one whatever the return; the return enters the next.
    auto g = *Garch11::create(1e-6, 0.1, 0.85);
    EXPECT_FALSE(g.update_value(50));
    EXPECT_EQ(*g.update_value(500), std::sqrt(1e-6 / ((1 - 0.1) - 0.85)));
    EXPECT_NEAR(*g.update_value(500), std::sqrt((1e-6 + 0.1 * std::pow(std::log(10.0), 2)) + 0.85 * 2e-5), 1e-15);
    auto rvi = *RviVolatility::create(2);
    EXPECT_FALSE(rvi.update_value(1));
    EXPECT_FALSE(rvi.update_value(2));
    EXPECT_EQ(rvi.update_value(3), 100.0);
    EXPECT_EQ(rvi.warmup_period(), 3u);
}

// Each type over a constant series, a flat run after variation, and a geometric series whose
// returns are all exactly ln 2.
TEST(VolatilityTest, FlatWindowsGiveTheirFixedValues) {
    Vec flat(80, 0.1);
    Vec after;  // moves first, then 60 equal closes
    for (int i = 0; i < 60; ++i) after.push_back(100 + 37 * std::sin(i * 1.3) + (i % 7 == 0 ? 900 : 0));
    after.resize(120, 0.3);
    // Every bar from the first whose window is flat (the closes turn flat at bar 60), before
    // and after the running sums are next rebuilt.
    for (const Vec* xs : {&flat, &after}) {
        auto zero_from = [xs](auto state, std::size_t from) {
            Series got = test::run_on(std::move(state), *xs);
            for (std::size_t i = from; i < xs->size(); ++i) ASSERT_EQ(got[i], 0.0) << i;
        };
        zero_from(*RealizedVolatility::create(23), 83);
        zero_from(*BipowerVariation::create(13), 72);
        zero_from(*HistoricalVolatility::create(20, 252), 80);
        zero_from(*JumpIndicator::create(20, 2), 81);
        zero_from(*VolatilityOfVolatility::create(10, 15), 84);
        zero_from(*UlcerIndex::create(20), 98);
    }
    // From the start only: after moves their averages decay towards the flat value.
    EXPECT_EQ(test::run_on(*RviVolatility::create(20), flat).back(), 50.0);
    EXPECT_EQ(test::run_on(*EwmaVolatility::create(0.9), flat).back(), 0.0);
    // Equal non-zero returns: the window does not vary, so no return is a jump.
    Vec doubling;
    for (int i = 0; i < 60; ++i) doubling.push_back(std::ldexp(1.0, i - 30));
    doubling.push_back(doubling.back() * 1000);
    for (std::size_t n : {3u, 7u, 10u, 13u, 20u}) {
        auto got = test::run_on(*JumpIndicator::create(n, 1e-9), doubling);
        for (std::size_t i = n + 1; i < got.size(); ++i) ASSERT_EQ(got[i], 0.0) << n << " " << i;
        EXPECT_EQ(test::run_on(*HistoricalVolatility::create(n, 1), doubling)[59], 0.0);
    }
}

TEST(VolatilityTest, UlcerIndexDrawdowns) {
    Vec rising;
    for (int i = 0; i < 50; ++i) rising.push_back(1 + i * 0.37);
    EXPECT_EQ(test::run_on(*UlcerIndex::create(5), rising).back(), 0.0);
    // A peak of 0 is no drawdown; then the peak 4 two bars back.
    Vec xs = {-3, 0, -1, -2, 4, 2, 1};
    Series got = test::run_on(*UlcerIndex::create(2), xs);
    EXPECT_FALSE(got[1]);
    EXPECT_EQ(got[2], 0.0);
    EXPECT_EQ(got[3], std::sqrt(5000.0));  // -2 against the peak -1: a drawdown of +100 %
    EXPECT_EQ(got[6], 50.0);               // 2 and 1 against the peaks 4 and 2: -50 % each
}

// ------------------------------------------------------------------ refused bars change nothing

// Runs `xs` with `hostile` bars spliced in before the given positions: those bars give nothing
// and every other bar gives exactly what the run without them gives.
template <class State>
void expect_hostile_bars_change_nothing(const State& fresh, const Vec& xs, const std::vector<std::size_t>& at,
                                        const Vec& hostile) {
    Series plain = test::run_on(fresh, xs);
    Vec spliced;
    std::vector<bool> is_hostile;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        for (std::size_t k = 0; k < at.size(); ++k)
            if (at[k] == i)
                for (double h : hostile) spliced.push_back(h), is_hostile.push_back(true);
        spliced.push_back(xs[i]);
        is_hostile.push_back(false);
    }
    Series got = test::run_on(fresh, spliced);
    Series kept;
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (is_hostile[i])
            EXPECT_FALSE(got[i]) << "hostile bar " << i;
        else
            kept.push_back(got[i]);
    }
    test::expect_series_exact(kept, plain);
}

TEST(VolatilityTest, RefusedBarsChangeNothing) {
    const Vec xs = test::varied_closes(300, 3, false);
    const std::vector<std::size_t> early_and_late = {1, 2, 5, 40, 150, 299};
    // Not a number, infinite, not positive, or so small that the ratio to ~100 has no finite log.
    const Vec bad_for_returns = {kNaN, kInf, -kInf, 0.0, -0.0, -7.0, 1e-323};
    expect_hostile_bars_change_nothing(*RealizedVolatility::create(10), xs, early_and_late, bad_for_returns);
    expect_hostile_bars_change_nothing(*BipowerVariation::create(10), xs, early_and_late, bad_for_returns);
    expect_hostile_bars_change_nothing(*HistoricalVolatility::create(10, 252), xs, early_and_late, bad_for_returns);
    expect_hostile_bars_change_nothing(*EwmaVolatility::create(0.94), xs, early_and_late, bad_for_returns);
    expect_hostile_bars_change_nothing(*Garch11::create(1e-6, 0.1, 0.85), xs, early_and_late, bad_for_returns);
    expect_hostile_bars_change_nothing(*JumpIndicator::create(10, 2), xs, early_and_late, bad_for_returns);
    expect_hostile_bars_change_nothing(*VolatilityOfVolatility::create(5, 8), xs, early_and_late, bad_for_returns);
    // Closes whose deviation from the window cannot be squared.
    expect_hostile_bars_change_nothing(*RviVolatility::create(10), xs, early_and_late, {kNaN, kInf, 1e300, -1e300});
    // A drawdown too deep to square (once the window is running).
    expect_hostile_bars_change_nothing(*UlcerIndex::create(10), xs, {40, 150, 299}, {kNaN, -kInf, -1e300});
}

TEST(VolatilityTest, ReturnsOfAnOverflowingRatioAreRefused) {
    // 1e-300 is an acceptable close after 1e10 (ratio 1e-310 is subnormal but finite), but
    // 1e10 after 1e-300 overflows: that bar is refused and 1e-300 stays the previous close.
    auto ewma = *EwmaVolatility::create(0.5);
    EXPECT_FALSE(ewma.update_value(1e10));
    double r1 = std::log(1e-300 / 1e10);
    EXPECT_NEAR(*ewma.update_value(1e-300), std::fabs(r1), 1e-12 * std::fabs(r1));
    EXPECT_FALSE(ewma.update_value(1e10));
    double r2 = std::log(1e-290 / 1e-300);
    EXPECT_NEAR(*ewma.update_value(1e-290), std::sqrt(r1 * r1 * 0.5 + r2 * r2 * 0.5), 1e-12 * std::fabs(r1));
}

TEST(VolatilityTest, GarchWithoutAFiniteVarianceGivesNothing) {
    // omega / (1 - alpha - beta) overflows: no step has a usable variance.
    auto g = *Garch11::create(1e308, 0.0, 0.5);
    EXPECT_EQ(g.long_run_variance(), kInf);
    for (double x : {100.0, 101.0, 99.0, 98.0}) EXPECT_FALSE(g.update_value(x));
}

TEST(VolatilityTest, ShiftedSumsRefuseWhatCannotBeSquaredAndGrowWithTheData) {
    ShiftedSumsWindow w(16'777'216);
    for (int i = 0; i < 500; ++i) ASSERT_TRUE(w.push(100 + i));
    EXPECT_LE(w.values().storage(), 1024u);
    EXPECT_FALSE(w.push(1e200));
    EXPECT_EQ(w.size(), 500u);
    // Windows not bounded by MAX_PERIOD build and run over a short series.
    auto built = build_indicator("VolatilityOfVolatility", std::vector<double>{1e19, 1e19});
    ASSERT_TRUE(built);
    Candle c{0, 1, 1, 1, 1, 0};
    BarContext ctx;
    ctx.candle = &c;
    for (int i = 0; i < 100; ++i) {
        c.close = 100 + i;
        EXPECT_FALSE((*built)->update(ctx));
    }
}

// ------------------------------------------------------------------ registry entries

using test::EntryCase;
using test::kMax;
using test::kZero;
using test::outcome;

TEST(VolatilityEntriesTest, ChecksInOrder) {
    const std::string bipower = "invalid period: bipower variation period must be >= 2";
    const std::string rvi = "invalid period: RVI period must be >= 2";
    const std::string hv = "invalid period: historical volatility period must be >= 2";
    const std::string vov = "invalid period: vol-of-vol windows must both be >= 2";
    const std::string jump = "invalid period: jump indicator needs period >= 2";
    const std::string threshold = "invalid parameter: jump indicator threshold must be finite and positive";
    const std::string ewma = "invalid parameter: EWMA volatility lambda must be in the open interval (0, 1)";
    const std::string omega = "invalid parameter: GARCH(1,1) omega must be > 0";
    const std::string signs = "invalid parameter: GARCH(1,1) alpha and beta must be >= 0";
    const std::string stationary = "invalid parameter: GARCH(1,1) requires alpha + beta < 1 (covariance stationarity)";
    std::vector<EntryCase> cases = {
        {"BipowerVariation", {1e-17}, kZero},
        {"BipowerVariation", {16777217}, kMax},
        {"BipowerVariation", {1}, bipower},
        {"BipowerVariation", {2}, ""},
        {"BipowerVariation", {16777216}, ""},
        {"RviVolatility", {1e-17}, kZero},
        {"RviVolatility", {16777217}, kMax},
        {"RviVolatility", {1}, rvi},
        {"RviVolatility", {2}, ""},
        {"HistoricalVolatility", {1, 252}, hv},
        {"HistoricalVolatility", {20, 1e-17}, kZero},
        {"HistoricalVolatility", {1, 1e-17}, kZero},
        {"HistoricalVolatility", {1e-17, 252}, kZero},
        {"HistoricalVolatility", {16777217, 252}, kMax},
        {"HistoricalVolatility", {16777216, 1e30}, ""},
        {"HistoricalVolatility", {20}, "missing parameter #1"},
        {"VolatilityOfVolatility", {20, 1}, vov},
        {"VolatilityOfVolatility", {1, 20}, vov},
        {"VolatilityOfVolatility", {1, 1e-17}, kZero},
        {"VolatilityOfVolatility", {20000000, 20}, ""},
        {"VolatilityOfVolatility", {2, 2}, ""},
        {"JumpIndicator", {1, 0}, jump},
        {"JumpIndicator", {1e-17, 2}, jump},
        {"JumpIndicator", {16777217, 0}, kMax},
        {"JumpIndicator", {20, 0}, threshold},
        {"JumpIndicator", {20, -1}, threshold},
        {"JumpIndicator", {20, -0.0}, threshold},
        {"JumpIndicator", {20, 5e-324}, ""},
        {"JumpIndicator", {2, 3}, ""},
        {"EwmaVolatility", {0}, ewma},
        {"EwmaVolatility", {1}, ewma},
        {"EwmaVolatility", {-0.5}, ewma},
        {"EwmaVolatility", {0.94}, ""},
        {"EwmaVolatility", {5e-324}, ""},
        {"EwmaVolatility", {}, "missing parameter #0"},
        {"Garch11", {0.000001, 0.1, 0.9}, stationary},
        {"Garch11", {0, 0.1, 0.8}, omega},
        {"Garch11", {-1, -1, 2}, omega},
        {"Garch11", {0.000001, -0.1, 0.8}, signs},
        {"Garch11", {0.000001, 0.1, -5e-324}, signs},
        {"Garch11", {0.000001, 0.5, 0.5}, stationary},
        {"Garch11", {0.000001, 0.1, -0.0}, ""},
        {"Garch11", {0.000001, 0.1, 0.85}, ""},
        {"Garch11", {0.000001, 0.1}, "missing parameter #2"},
        {"Garch11", {kNaN, 0.1, 0.85}, "parameter #0 must be finite"},
    };
    for (const char* type : {"RealizedVolatility", "UlcerIndex"})
        for (const EntryCase& c : {EntryCase{type, {0}, "parameter #0 must be a positive integer, got 0"},
                                   EntryCase{type, {1e-17}, kZero}, EntryCase{type, {16777217}, kMax},
                                   EntryCase{type, {16777216}, ""}, EntryCase{type, {1}, ""},
                                   EntryCase{type, {14, 99, -1}, ""}, EntryCase{type, {}, "missing parameter #0"}})
            cases.push_back(c);
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
}

TEST(VolatilityEntriesTest, ChecksOnlyReachableThroughTheConstructors) {
    const double nan = kNaN;
    EXPECT_EQ(Garch11::create(nan, 0.1, 0.8).error().display(), "invalid parameter: GARCH(1,1) parameters must be finite");
    EXPECT_EQ(Garch11::create(1e-6, 0.1, kInf).error().display(),
              "invalid parameter: GARCH(1,1) parameters must be finite");
    EXPECT_FALSE(EwmaVolatility::create(nan));
    EXPECT_EQ(JumpIndicator::create(20, kInf).error().display(),
              "invalid parameter: jump indicator threshold must be finite and positive");
}

TEST(VolatilityEntriesTest, BuiltObjectsReportTheirWarmUpAndReadTheClose) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"RealizedVolatility", {14}}, 15},    {{"BipowerVariation", {20}}, 21},
        {{"HistoricalVolatility", {20, 252}}, 21}, {{"EwmaVolatility", {0.94}}, 2},
        {{"Garch11", {1e-6, 0.1, 0.85}}, 2},   {{"JumpIndicator", {20, 3}}, 22},
        {{"RviVolatility", {10}}, 19},          {{"VolatilityOfVolatility", {20, 10}}, 30},
        {{"UlcerIndex", {14}}, 27},             {{"UlcerIndex", {1}}, 1},
        {{"VolatilityOfVolatility", {1e19, 1e19}}, max},
    };
    const Vec xs = test::varied_closes(120, 5, false);
    for (const auto& [c, warmup] : cases) {
        auto built = build_indicator(c.type, c.params);
        ASSERT_TRUE(built) << c.type;
        EXPECT_EQ((*built)->warmup_period(), warmup) << c.type;
        EXPECT_TRUE((*built)->outputs().empty());
        std::size_t first = 0;
        for (std::size_t i = 0; i < xs.size() && first == 0; ++i) {
            Candle candle{static_cast<std::int64_t>(i), 1, 1e9, -1e9, xs[i], 0};
            BarContext ctx;
            ctx.candle = &candle;
            if ((*built)->update(ctx)) first = i + 1;
        }
        EXPECT_EQ(first, warmup < xs.size() ? warmup : 0) << c.type;
    }
}

}  // namespace
}  // namespace prynox
