#pragma once
// Shared plumbing of the indicator tests: close series, runs of states and of registry-built
// types, plain recomputations over whole series, and bar-by-bar comparisons with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/type_cases.hpp"

namespace prynox::test {

using Series = std::vector<std::optional<double>>;

inline bool same_bits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// SplitMix64: the next word of the stream `s`.
inline std::uint64_t splitmix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Uniform in [-1, 1).
inline double unit(std::uint64_t& s) { return static_cast<double>(splitmix(s) >> 11) * 0x1.0p-52 - 1.0; }

// n bars: a walk around 100 with jumps, flat at bars 120..150, tiny moves at 200..229, and NaN or
// infinite closes at a few bars when `with_gaps`.
inline std::vector<double> varied_closes(std::size_t n, std::uint64_t seed = 42, bool with_gaps = true) {
    std::vector<double> out;
    double x = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= 120 && i <= 150) {
            out.push_back(x = 103.25);
            continue;
        }
        double step = unit(seed) * (i >= 200 && i < 230 ? 0.001 : 1.5);
        if (splitmix(seed) % 29 == 0) step += unit(seed) * 12.0;
        out.push_back(x = std::fabs(x + step) + 0.5);
    }
    const double gaps[] = {std::numeric_limits<double>::quiet_NaN(), INFINITY, -INFINITY};
    for (std::size_t i : {3u, 17u, 18u, 64u, 131u, 250u, 251u, 252u, 333u})
        if (with_gaps && i < n) out[i] = gaps[i % 3];
    return out;
}

// varied_closes(300), then flat runs of 35 bars of 0.1, 0 and -1/3 (sums that do not come out
// exact), each after 25 gapless varied closes.
inline std::vector<double> closes_with_flat_runs() {
    std::vector<double> v = varied_closes(300, 42, true);
    std::uint64_t seed = 3;
    for (double value : {0.1, 0.0, -1.0 / 3.0}) {
        v.insert(v.end(), 35, value);
        const std::vector<double> more = varied_closes(25, seed++, false);
        v.insert(v.end(), more.begin(), more.end());
    }
    return v;
}

// The finite closes.
inline std::vector<double> accepted(const std::vector<double>& closes) {
    std::vector<double> out;
    std::copy_if(closes.begin(), closes.end(), std::back_inserter(out), [](double c) { return std::isfinite(c); });
    return out;
}

// Accepted closes for the families' tables: closes_with_flat_runs, then a walk on a grid of
// quarters around 0 (exact zeros, negative closes, one -0.0).
inline std::vector<double> table_closes() {
    std::vector<double> v = accepted(closes_with_flat_runs());
    std::uint64_t s = 7;
    double x = 0.0;
    for (int i = 0; i < 90; ++i) v.push_back(i == 30 ? -0.0 : (x = std::round((x + unit(s) * 2.0) * 4.0) / 4.0));
    return v;
}

// The state's update_value over every close.
template <class State>
Series run(State& state, const std::vector<double>& closes) {
    Series out;
    for (double c : closes) out.push_back(state.update_value(c));
    return out;
}

// One bar of close `close` to a built indicator; open, high and low 9 and volume 5, so that a
// type reading another field would show it.
inline std::optional<double> update_close(Indicator& indicator, double close) {
    Candle c{0, 9, 9, 9, close, 5};
    BarContext ctx;
    ctx.candle = &c;
    return indicator.update(ctx);
}

// What the registry builds from `type` and `params` over `closes`; its warm-up to *warmup if asked.
inline Series run_built(std::string_view type, const std::vector<double>& params, const std::vector<double>& closes,
                        std::uint64_t* warmup = nullptr) {
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return Series(closes.size());
    }
    if (warmup != nullptr) *warmup = (*built)->warmup_period();
    Series out;
    for (double c : closes) out.push_back(update_close(**built, c));
    return out;
}

// 1-based bar of the first value, 0 when none.
inline std::size_t first_value_bar(const Series& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i]) return i + 1;
    return 0;
}

// "Type p1 p2 ..." for failure messages.
inline std::string describe(std::string_view type, const std::vector<double>& params) {
    testing::Message name;
    name << type;
    for (double p : params) name << ' ' << p;
    return name.GetString();
}

// ------------------------------------------------------------------ plain recomputations

// Outputs over the accepted closes spread back onto the bars (none on rejected bars).
inline Series on_bars(const std::vector<double>& closes, const Series& per_accepted) {
    Series out;
    std::size_t k = 0;
    for (double c : closes) out.push_back(std::isfinite(c) ? per_accepted.at(k++) : std::nullopt);
    return out;
}

// f (of a plain vector) over the present values of `in`, put back where they came from.
template <class F>
Series through(const Series& in, F f) {
    std::vector<double> present;
    for (const auto& v : in)
        if (v) present.push_back(*v);
    const Series inner = f(present);
    Series out(in.size());
    for (std::size_t i = 0, k = 0; i < in.size(); ++i)
        if (in[i]) out[i] = inner[k++];
    return out;
}

inline Series lift(const std::vector<double>& xs) { return Series(xs.begin(), xs.end()); }

// f of each window of the last n values (oldest first) once n are there; none before.
template <class F>
Series windows(const std::vector<double>& xs, std::size_t n, F f) {
    Series out(xs.size());
    for (std::size_t t = n - 1; t < xs.size(); ++t) out[t] = f(std::span<const double>(xs).subspan(t + 1 - n, n));
    return out;
}

// f(a, b) where both are present.
template <class F>
Series zip(const Series& a, const Series& b, F f) {
    Series out(a.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] && b[i]) out[i] = f(*a[i], *b[i]);
    return out;
}

// Seeded with the mean of the first n inputs (summed from -0.0), then
// fma(alpha, x, (1 - alpha) * value) with alpha = 2 / (n + 1).
inline Series ref_ema(const std::vector<double>& xs, std::size_t n) {
    Series out(xs.size());
    double alpha = 2.0 / (n + 1.0), value = 0.0, seed = -0.0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t < n) seed += xs[t];
        if (t + 1 == n) out[t] = value = seed / static_cast<double>(n);
        if (t + 1 > n) out[t] = value = std::fma(alpha, xs[t], (1.0 - alpha) * value);
    }
    return out;
}

// ref_ema of the present values of `in`, aligned back onto it.
inline Series ema_of(const Series& in, std::size_t n) {
    return through(in, [n](const std::vector<double>& v) { return ref_ema(v, n); });
}

// Running sum, the leaving value subtracted, re-summed from -0.0 over the window every 16 n.
inline Series ref_sma(const std::vector<double>& xs, std::size_t n) {
    Series out(xs.size());
    double sum = 0.0;
    for (std::size_t t = 0, updates = 0; t < xs.size(); ++t) {
        sum = t >= n ? xs[t] + (sum - xs[t - n]) : xs[t] + sum;
        if (++updates >= 16 * n) {
            sum = -0.0;
            for (std::size_t i = t + 1 - n; i <= t; ++i) sum += xs[i];
            updates = 0;
        }
        if (t + 1 >= n) out[t] = sum / static_cast<double>(n);
    }
    return out;
}

// The last n values up to index t are bit for bit the same.
inline bool flat_window(const std::vector<double>& xs, std::size_t t, std::size_t n) {
    for (std::size_t i = t + 1 - n; i < t; ++i)
        if (!same_bits(xs[i], xs[t])) return false;
    return true;
}

// ------------------------------------------------------------------ comparisons

// got against want bar by bar, values on the same bars: bit for bit where the tolerance (a number,
// or a function of the bar) is 0, else within it times max(|want|, floor).
template <class Tol = double>
void expect_series(const Series& got, const Series& want, Tol tol = 0.0, const std::string& what = "",
                   double floor = 1.0) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << what << ", bar " << i;
        if (!got[i]) continue;
        double t = 0.0;
        if constexpr (std::is_arithmetic_v<Tol>) t = tol;
        else t = tol(i);
        if (t == 0.0) {
            ASSERT_TRUE(same_bits(*got[i], *want[i])) << what << ", bar " << i << ": " << *got[i] << " vs " << *want[i];
        } else {
            ASSERT_NEAR(*got[i], *want[i], t * std::max(std::fabs(*want[i]), floor)) << what << ", bar " << i;
        }
    }
}

// The built type over `closes` against a plain recomputation, within `rel` as expect_series takes
// it; NaN in `want` accepts any value. The first value comes on the bar of the reported warm-up.
inline void expect_recomputed(const char* type, const std::vector<double>& params, const std::vector<double>& closes,
                              Series want, double rel = 0) {
    std::uint64_t warmup = 0;
    const Series got = run_built(type, params, closes, &warmup);
    for (std::size_t i = 0; i < std::min(got.size(), want.size()); ++i)
        if (want[i] && std::isnan(*want[i])) want[i] = got[i] ? got[i] : 0.0;
    expect_series(got, want, rel, describe(type, params));
    EXPECT_EQ(first_value_bar(got), warmup) << describe(type, params);
}

// A worked case: the values of the last bars of `closes` (tol as expect_series takes it, relative).
struct Pin {
    std::string type;
    std::vector<double> params;
    std::vector<double> closes;
    Series last;
    double tol = 0.0;
};

inline void expect_pins(const std::vector<Pin>& pins) {
    for (const Pin& p : pins) {
        const Series got = run_built(p.type, p.params, p.closes);
        ASSERT_GE(got.size(), p.last.size()) << p.type;
        expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(p.last.size()), got.end()), p.last, p.tol,
                      describe(p.type, p.params), 0.0);
    }
}

// The closes `bad` spliced in before bar `at` are refused: no value on them, and every other bar
// gives, bit for bit, what `closes` give without them.
struct Refusal {
    std::string type;
    std::vector<double> params;
    std::vector<double> closes;
    std::size_t at;
    std::vector<double> bad;
};

inline void expect_refused(const Refusal& r) {
    Series want = run_built(r.type, r.params, r.closes);
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(r.at), r.bad.size(), std::nullopt);
    std::vector<double> closes = r.closes;
    closes.insert(closes.begin() + static_cast<std::ptrdiff_t>(r.at), r.bad.begin(), r.bad.end());
    expect_series(run_built(r.type, r.params, closes), want, 0, describe(r.type, r.params) + " refusing at " +
                                                                     std::to_string(r.at));
}

// A row of a family's table: a type, its parameter lists, and the tolerance on values recomputed
// exactly (every value unless `resummed`: those on accepted close t with (t + 1) % period == 0).
struct TableRow {
    const char* type;
    std::vector<std::vector<double>> params;
    bool resummed = false;
    double tol = 0.0;

    double tol_at(std::size_t t, std::size_t period, double drift) const {
        return !resummed || (t + 1) % period == 0 ? tol : drift;
    }
};

// The built type over `bars` against f(last n accepted closes, oldest first) on each accepted
// close from the n-th on; tol(t) on the t-th accepted close, as expect_series takes it.
template <class F, class Tol>
void expect_windows(const std::string& type, const std::vector<double>& params, std::size_t n,
                    const std::vector<double>& bars, F f, Tol tol, double floor = 0.0) {
    const std::vector<double> xs = accepted(bars);
    Series want(bars.size());
    std::vector<double> tols(bars.size(), 0.0);
    for (std::size_t i = 0, t = 0; i < bars.size(); ++i) {
        if (!std::isfinite(bars[i])) continue;
        if (t + 1 >= n) want[i] = f(std::vector<double>(xs.begin() + (t + 1 - n), xs.begin() + (t + 1)));
        tols[i] = tol(t++);
    }
    expect_series(run_built(type, params, bars), want, [&tols](std::size_t i) { return tols[i]; },
                  describe(type, params), floor);
}

// A type whose lengths reach far beyond 500 closes reports `warmup` and gives no value over them
// (a window reserved in full would fail or exhaust memory).
inline void expect_lengths_beyond_data(const std::string& type, const std::vector<double>& params,
                                       std::uint64_t warmup) {
    auto built = build_indicator(type, params);
    ASSERT_TRUE(built) << type;
    EXPECT_EQ((*built)->warmup_period(), warmup) << type;
    for (int i = 0; i < 500; ++i) ASSERT_FALSE(update_close(**built, 100 + i % 7)) << type << " bar " << i;
}

// ------------------------------------------------------------------ constructor checks

inline const std::string kZero = "period must be greater than zero";
inline const std::string kMax =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";

// Harness check rows of one type, {params, message} in the order of its checks.
inline void add_checks(std::vector<CheckCase>& to, const char* type,
                       std::vector<std::pair<std::vector<double>, std::string>> rows) {
    for (auto& [params, message] : rows) to.push_back({type, std::move(params), std::move(message)});
}

// A plain-array recomputation of the Hilbert-transform pipeline that the cycle types and the
// adaptive averages share; each test adds what its own type does with the measured period.
struct RefHilbert {
    enum Stage { Priming, Smoothing, Detrending, Measured };

    explicit RefHilbert(std::size_t n) : smooth(n), det(n), q1(n), i1(n) {}

    // Input t of x (every earlier input already fed). Measured: the period was updated.
    Stage step(const std::vector<double>& x, std::size_t t) {
        const double eps = 2.220446049250313e-16;
        if (t < 3) return Priming;
        smooth[t] = (((4 * x[t] + 3 * x[t - 1]) + 2 * x[t - 2]) + x[t - 3]) / 10;
        if (t < 9) return Smoothing;
        double adj = 0.075 * std::clamp(period, 6.0, 50.0) + 0.54;
        det[t] = ht(smooth, t) * adj;
        if (t < 15) return Detrending;
        q1[t] = ht(det, t) * adj;
        i1[t] = det[t - 3];
        if (t < 21) return Detrending;
        double ji = ht(i1, t) * adj, jq = ht(q1, t) * adj;
        double i2 = 0.2 * (i1[t] - jq) + 0.8 * i2p;
        double q2 = 0.2 * (q1[t] + ji) + 0.8 * q2p;
        re = 0.2 * (i2 * i2p + q2 * q2p) + 0.8 * re;
        im = 0.2 * (i2 * q2p - q2 * i2p) + 0.8 * im;
        i2p = i2;
        q2p = q2;
        double p = (std::fabs(im) > eps && std::fabs(re) > eps) ? 2 * M_PI / std::atan2(im, re) : period;
        p = std::clamp(std::max(std::min(p, 1.5 * period), 0.67 * period), 6.0, 50.0);
        period = 0.2 * p + 0.8 * period;
        return Measured;
    }

    std::vector<double> smooth, det, q1, i1;
    double period = 0;

private:
    static double ht(const std::vector<double>& v, std::size_t t) {
        return ((0.0962 * v[t] + 0.5769 * v[t - 2]) - 0.5769 * v[t - 4]) - 0.0962 * v[t - 6];
    }
    double i2p = 0, q2p = 0, re = 0, im = 0;
};

}  // namespace prynox::test
