#pragma once
// Shared plumbing of the indicator tests:
// - close series: a varied walk (trend, noise, jumps, a flat run, small and large moves,
//   non-finite bars), and that walk followed by flat runs of awkward values;
// - feeding a state or a built indicator and collecting its outputs;
// - building blocks of plain recomputations over whole series (windows, stages, pairs);
// - bar-by-bar comparisons with a reference computed over the accepted closes, bit for bit or
//   within a relative tolerance, and the reported warm-up against the first value;
// - registry entries: the refusal a type name and parameters get from build_indicator, and the
//   warm-up of what it builds;
// - types built from the registry: against a reference over each window of the accepted closes
//   (a family's table), worked cases (pins), and hostile closes that must be refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/type_cases.hpp"

namespace prynox::test {

using Series = std::vector<std::optional<double>>;

// ------------------------------------------------------------------ close series

inline std::uint64_t splitmix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// Uniform in [-1, 1).
inline double unit(std::uint64_t& s) { return static_cast<double>(splitmix(s) >> 11) * 0x1.0p-52 - 1.0; }

// n bars: a random walk around 100 with jumps, a flat run at bars 120..150, a quiet stretch of
// tiny moves, and NaN / infinite closes at a few bars when `with_gaps`.
inline std::vector<double> varied_closes(std::size_t n, std::uint64_t seed = 42, bool with_gaps = true) {
    std::vector<double> out;
    double x = 100.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= 120 && i <= 150) {
            out.push_back(103.25);
            x = 103.25;
            continue;
        }
        double step = unit(seed) * (i >= 200 && i < 230 ? 0.001 : 1.5);
        if (splitmix(seed) % 29 == 0) step += unit(seed) * 12.0;
        x = std::fabs(x + step) + 0.5;
        out.push_back(x);
    }
    if (with_gaps) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        for (std::size_t i : {3u, 17u, 18u, 64u, 131u, 250u, 251u, 252u, 333u})
            if (i < out.size()) out[i] = (i % 3 == 0) ? nan : ((i % 3 == 1) ? inf : -inf);
    }
    return out;
}

// Appends, for each value, a flat run of `run` bars of it followed by `between` varied closes
// without gaps (seeds first_seed, first_seed + 1, ...): variation, then a window held flat.
inline void append_flat_runs(std::vector<double>& v, std::initializer_list<double> values, std::size_t run,
                             std::size_t between, std::uint64_t first_seed = 3) {
    std::uint64_t seed = first_seed;
    for (double value : values) {
        v.insert(v.end(), run, value);
        std::vector<double> more = varied_closes(between, seed++, false);
        v.insert(v.end(), more.begin(), more.end());
    }
}

// Trend, noise, jumps and rejected bars, then flat runs longer than a period of 30 of 0.1, of 0,
// and of -1/3 (values whose sums do not come out exact), each after variation.
inline std::vector<double> closes_with_flat_runs() {
    std::vector<double> v = varied_closes(300, 42, true);
    append_flat_runs(v, {0.1, 0.0, -1.0 / 3.0}, 35, 25);
    return v;
}

inline std::vector<double> accepted(const std::vector<double>& closes) {
    std::vector<double> out;
    for (double c : closes)
        if (std::isfinite(c)) out.push_back(c);
    return out;
}

// ------------------------------------------------------------------ feeding and collecting

// Feeds every close to the state's update_value.
template <class State>
Series run(State& state, const std::vector<double>& closes) {
    Series out;
    for (double c : closes) out.push_back(state.update_value(c));
    return out;
}

// The same on a copy, so that a freshly created state can be passed directly.
template <class State>
Series run_on(State state, const std::vector<double>& closes) {
    return run(state, closes);
}

// Spreads outputs computed over the accepted closes back onto the bars (none on rejected bars).
inline Series on_bars(const std::vector<double>& closes, const Series& per_accepted) {
    Series out;
    std::size_t k = 0;
    for (double c : closes) out.push_back(std::isfinite(c) ? per_accepted.at(k++) : std::nullopt);
    return out;
}

inline std::vector<double> present(const Series& s) {
    std::vector<double> out;
    for (const auto& v : s)
        if (v) out.push_back(*v);
    return out;
}

// Feeds the present values of `in` through f (a function of a plain vector) and puts the
// results back at the positions they came from.
template <class F>
Series through(const Series& in, F f) {
    Series inner = f(present(in));
    Series out(in.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < in.size(); ++i)
        if (in[i]) out[i] = inner[k++];
    return out;
}

// ------------------------------------------------------------------ reference building blocks
// Plain recurrences over a vector of accepted inputs, one optional output per input.

// Seeded with the mean of the first n inputs (summed from -0.0), then
// fma(alpha, x, (1 - alpha) * value) with alpha = 2 / (n + 1).
inline Series ref_ema(const std::vector<double>& xs, std::size_t n) {
    Series out;
    double alpha = 2.0 / (n + 1.0), value = 0.0, seed = -0.0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t + 1 < n) {
            seed += xs[t];
            out.push_back(std::nullopt);
        } else if (t + 1 == n) {
            seed += xs[t];
            value = seed / static_cast<double>(n);
            out.push_back(value);
        } else {
            value = std::fma(alpha, xs[t], (1.0 - alpha) * value);
            out.push_back(value);
        }
    }
    return out;
}

// Running sum, the leaving value subtracted, re-summed from -0.0 over the window every 16 n.
inline Series ref_sma(const std::vector<double>& xs, std::size_t n) {
    Series out;
    double sum = 0.0;
    std::size_t updates = 0;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        sum = t >= n ? xs[t] + (sum - xs[t - n]) : xs[t] + sum;
        if (++updates >= 16 * n) {
            sum = -0.0;
            for (std::size_t i = t + 1 - n; i <= t; ++i) sum += xs[i];
            updates = 0;
        }
        out.push_back(t + 1 >= n ? std::optional<double>(sum / static_cast<double>(n)) : std::nullopt);
    }
    return out;
}

// Plain recomputations read best as compositions over whole series: windows of a vector, and
// stages that pass present values on.
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

// ref_ema of the present values of `in`, aligned back onto it.
inline Series ema_of(const Series& in, std::size_t n) {
    return through(in, [n](const std::vector<double>& v) { return ref_ema(v, n); });
}

// ------------------------------------------------------------------ built indicators

// One bar to a built indicator whose close is `close`; open, high and low 9 and volume 5, so a
// type that read another field would show it.
inline std::optional<double> update_close(Indicator& indicator, double close) {
    Candle c{0, 9, 9, 9, close, 5};
    BarContext ctx;
    ctx.candle = &c;
    return indicator.update(ctx);
}

// ------------------------------------------------------------------ value ranges

// A type, its parameters and the range every value it gives must lie in: fixed bounds (an
// infinite end allows that infinity), or, for the averages whose value mixes past closes with
// non-negative weights, the least and greatest finite close fed so far, widened by
// `rounding_ulps` units in the last place of the larger end.
struct RangeCase {
    const char* type;
    std::vector<double> params;
    double lo;
    double hi;
    bool within_closes = false;
    double rounding_ulps = 0.0;
};

// The shortest digits that give `x` back, for failure messages.
inline std::string shortest(double x) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, x);
    return std::string(buf, r.ptr);
}

// "Type p1 p2 ..." for failure messages.
inline std::string describe_range(const RangeCase& c) {
    std::string s = c.type;
    for (double p : c.params) {
        s += ' ';
        s += std::to_string(p);
    }
    return s;
}

// Builds the case's type and feeds it `closes` one bar each: every value must lie in the range
// (a NaN never does). Reports the first bar that leaves it, naming `series`.
inline void expect_values_in_range(const RangeCase& c, const std::vector<double>& closes, const std::string& series) {
    auto built = build_indicator(c.type, c.params);
    ASSERT_TRUE(built) << describe_range(c);
    double seen_lo = std::numeric_limits<double>::infinity();
    double seen_hi = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < closes.size(); ++i) {
        double x = closes[i];
        if (std::isfinite(x)) {
            seen_lo = std::min(seen_lo, x);
            seen_hi = std::max(seen_hi, x);
        }
        std::optional<double> v = update_close(**built, x);
        if (!v) continue;
        double lo = c.lo, hi = c.hi;
        if (c.within_closes) {
            double slack = c.rounding_ulps * std::numeric_limits<double>::epsilon() *
                           std::max(std::fabs(seen_lo), std::fabs(seen_hi));
            lo = seen_lo - slack;
            hi = seen_hi + slack;
        }
        if (!(*v >= lo && *v <= hi)) {
            ADD_FAILURE() << describe_range(c) << " over " << series << ", bar " << i << ": " << shortest(*v) << " outside ["
                          << shortest(lo) << ", " << shortest(hi) << "]";
            return;
        }
    }
}

// Feeds `closes` through update_close to what the registry builds from `type` and `params`;
// its reported warm-up goes to *warmup when asked.
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

// ------------------------------------------------------------------ comparisons

inline bool same_bits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

inline void expect_series_exact(const Series& got, const Series& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "bar " << i;
        if (got[i]) {
            ASSERT_TRUE(same_bits(*got[i], *want[i])) << "bar " << i << ": " << *got[i] << " vs " << *want[i];
        }
    }
}

inline void expect_series_near(const Series& got, const Series& want, double rel) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "bar " << i;
        if (got[i]) {
            double tol = rel * std::max(1.0, std::fabs(*want[i]));
            ASSERT_NEAR(*got[i], *want[i], tol) << "bar " << i;
        }
    }
}

// got against a reference bar by bar, the same bars holding values: bit for bit where tol(bar)
// is 0, elsewhere within tol(bar) * max(|want|, floor) (a floor of 0: relative, so that a
// reference of 0 must be met exactly).
template <class Tol>
void expect_series_within(const Series& got, const Series& want, Tol tol, const std::string& what, double floor = 0.0) {
    ASSERT_EQ(got.size(), want.size()) << what;
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << what << ", bar " << i;
        if (!got[i]) continue;
        if (tol(i) == 0.0) {
            ASSERT_TRUE(same_bits(*got[i], *want[i])) << what << ", bar " << i << ": " << *got[i] << " vs " << *want[i];
        } else {
            ASSERT_NEAR(*got[i], *want[i], tol(i) * std::max(std::fabs(*want[i]), floor)) << what << ", bar " << i;
        }
    }
}

// A hostile close spliced in before bar `at` of `closes` is refused: no value on it, and every
// other bar gives, bit for bit, what the closes give without it.
struct Refusal {
    std::string type;
    std::vector<double> params;
    std::vector<double> closes;
    std::size_t at;
    double hostile;
};

inline void expect_refused(const Refusal& r) {
    Series want = run_built(r.type, r.params, r.closes);
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(r.at), std::nullopt);
    std::vector<double> closes = r.closes;
    closes.insert(closes.begin() + static_cast<std::ptrdiff_t>(r.at), r.hostile);
    SCOPED_TRACE(r.type + " refusing " + std::to_string(r.hostile) + " at bar " + std::to_string(r.at));
    expect_series_exact(run_built(r.type, r.params, closes), want);
}

// "Type p1 p2 ..." for failure messages.
inline std::string describe(const std::string& type, const std::vector<double>& params) {
    std::string s = type;
    for (double p : params) s += " " + std::to_string(p);
    return s;
}

// A worked case of a type built from the registry: the values of the last bars of `closes`,
// compared as expect_series_within does with one tolerance.
struct Pin {
    std::string type;
    std::vector<double> params;
    std::vector<double> closes;
    Series last;
    double tol = 0.0;
};

inline void expect_pin(const Pin& p) {
    Series got = run_built(p.type, p.params, p.closes);
    ASSERT_GE(got.size(), p.last.size()) << p.type;
    expect_series_within(Series(got.end() - static_cast<std::ptrdiff_t>(p.last.size()), got.end()), p.last,
                         [&p](std::size_t) { return p.tol; }, describe(p.type, p.params));
}

inline void expect_pins(const std::vector<Pin>& pins) {
    for (const Pin& p : pins) expect_pin(p);
}

// A row of a family's table: a type and the parameter lists it is checked with; whether it keeps
// a running sum recomputed exactly on its t-th accepted value when (t + 1) % period == 0; the
// tolerance on those values (on every value when it keeps none) and `drift` elsewhere.
struct TableRow {
    const char* type;
    std::vector<std::vector<double>> params;
    bool resummed = false;
    double tol = 0.0;

    double tol_at(std::size_t t, std::size_t period, double drift) const {
        return !resummed || (t + 1) % period == 0 ? tol : drift;
    }
};

// A type built from the registry over `bars` against f(window) on each of its accepted closes
// from the n-th on, the window being the last n accepted closes (oldest first); tol(t) for the
// t-th accepted close as expect_series_within takes it.
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
    expect_series_within(run_built(type, params, bars), want, [&tols](std::size_t i) { return tols[i]; },
                         describe(type, params), floor);
}

// 1-based bar of the first value, 0 when none.
inline std::size_t first_value_bar(const Series& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i]) return i + 1;
    return 0;
}

// "Type p1 p2 ..." for failure messages.
inline std::string build_name(const char* type, const std::vector<double>& params) {
    testing::Message name;
    name << type;
    for (double p : params) name << ' ' << p;
    return name.GetString();
}

// The built type over `closes` against a plain recomputation: bit for bit when `rel` is 0, else
// within `rel` relative (absolute below 1); NaN in `want` accepts any value. The first value
// comes on the bar of the reported warm-up.
inline void expect_recomputed(const char* type, const std::vector<double>& params, const std::vector<double>& closes,
                              const Series& want, double rel = 0) {
    SCOPED_TRACE(build_name(type, params));
    std::uint64_t warmup = 0;
    const Series got = run_built(type, params, closes, &warmup);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "bar " << i;
        if (!got[i] || std::isnan(*want[i])) continue;
        if (rel == 0) {
            ASSERT_TRUE(same_bits(*got[i], *want[i])) << "bar " << i << ": " << *got[i] << " vs " << *want[i];
        } else {
            ASSERT_NEAR(*got[i], *want[i], rel * std::max(1.0, std::fabs(*want[i]))) << "bar " << i;
        }
    }
    EXPECT_EQ(first_value_bar(got), warmup);
}

// A worked example: the outputs of the built type over `closes`, bit for bit; NaN in `want`
// stands for no value.
inline void expect_worked(const char* type, const std::vector<double>& params, const std::vector<double>& closes,
                          const std::vector<double>& want) {
    Series w;
    for (double v : want) w.push_back(std::isnan(v) ? std::nullopt : std::optional<double>(v));
    SCOPED_TRACE(build_name(type, params));
    expect_series_exact(run_built(type, params, closes), w);
}

// Runs `state` over `bars` and compares its outputs bit for bit with a reference computed over
// the accepted bars, spread back onto the bars.
template <class State>
void expect_exact(State state, const std::vector<double>& bars, const Series& reference_on_accepted) {
    expect_series_exact(run(state, bars), on_bars(bars, reference_on_accepted));
}

template <class State>
void expect_near(State state, const std::vector<double>& bars, const Series& reference_on_accepted, double rel) {
    expect_series_near(run(state, bars), on_bars(bars, reference_on_accepted), rel);
}

// The warm-up a state reports is the bar of its first value on a series without gaps.
template <class State>
void expect_warmup_matches(State state, const std::vector<double>& gapless) {
    std::uint64_t warmup = state.warmup_period();
    EXPECT_EQ(first_value_bar(run(state, gapless)), warmup);
}

// The same on `bars` varied closes without gaps.
template <class State>
void expect_warmup_matches(State state, std::size_t bars = 400) {
    expect_warmup_matches(std::move(state), varied_closes(bars, 99, false));
}

// A test file's close series with rejected bars, its accepted closes, and the checks of a
// state's outputs over the bars against a reference computed over the accepted closes.
class ClosesCase {
public:
    // `warmup_bars`: the length of the gapless varied series the warm-up checks run on.
    explicit ClosesCase(std::vector<double> closes, std::size_t warmup_bars = 400)
        : closes_(std::move(closes)), finite_(accepted(closes_)), warmup_bars_(warmup_bars) {}

    const std::vector<double>& closes() const { return closes_; }
    const std::vector<double>& finite() const { return finite_; }

    template <class State>
    void expect_exact(State state, const Series& reference_on_accepted) const {
        test::expect_exact(std::move(state), closes_, reference_on_accepted);
    }

    template <class State>
    void expect_near(State state, const Series& reference_on_accepted, double rel = 1e-12) const {
        test::expect_near(std::move(state), closes_, reference_on_accepted, rel);
    }

    template <class State>
    void expect_warmup_matches(State state) const {
        test::expect_warmup_matches(std::move(state), warmup_bars_);
    }

private:
    std::vector<double> closes_;
    std::vector<double> finite_;
    std::size_t warmup_bars_;
};

// ------------------------------------------------------------------ registry entries

inline const std::string kZero = "period must be greater than zero";
inline const std::string kMax =
    "invalid period: period exceeds the maximum supported window length (see MAX_PERIOD)";

// Harness check rows of one type, {params, message} in the order of its checks.
inline void add_checks(std::vector<CheckCase>& to, const char* type,
                       std::vector<std::pair<std::vector<double>, std::string>> rows) {
    for (auto& [params, message] : rows) to.push_back({type, std::move(params), std::move(message)});
}

// A type name and parameters, and the refusal they get (empty: the type builds).
struct EntryCase {
    const char* type;
    std::vector<double> params;
    std::string message = "";  // empty: builds
};

// The refusal of build_indicator without its "invalid parameters for indicator <type>: " prefix,
// "" when the type builds, and the whole text marked when the prefix is missing.
inline std::string outcome(const char* type, const std::vector<double>& params) {
    auto r = build_indicator(type, params);
    if (r) return "";
    std::string prefix = std::string("invalid parameters for indicator ") + type + ": ";
    std::string text = r.error().display();
    return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : "UNEXPECTED " + text;
}

inline std::string outcome(const EntryCase& c) { return outcome(c.type, c.params); }

// "Type p1 p2 ..." for failure messages.
inline std::string describe(const EntryCase& c) {
    std::string s = c.type;
    for (double p : c.params) {
        s += ' ';
        s += std::to_string(p);
    }
    return s;
}

// The case builds, reports `warmup` and has no extra outputs.
inline void expect_built_warmup(const EntryCase& c, std::uint64_t warmup) {
    auto r = build_indicator(c.type, c.params);
    ASSERT_TRUE(r) << describe(c);
    EXPECT_EQ((*r)->warmup_period(), warmup) << describe(c);
    EXPECT_TRUE((*r)->outputs().empty()) << describe(c);
}

// ------------------------------------------------------------------ number tables

// Accepted closes for the families' tables: trend, jumps, a flat run, tiny moves, flat runs of
// 0.1, 0 and -1/3 after variation, then a walk on a grid of quarters around 0 (exact zeros,
// negative closes, one -0.0).
inline std::vector<double> table_closes() {
    std::vector<double> v = accepted(closes_with_flat_runs());
    std::uint64_t s = 7;
    double x = 0.0;
    for (int i = 0; i < 90; ++i) v.push_back(i == 30 ? -0.0 : (x = std::round((x + unit(s) * 2.0) * 4.0) / 4.0));
    return v;
}

// The last n values up to index t are bit for bit the same.
inline bool flat_window(const std::vector<double>& xs, std::size_t t, std::size_t n) {
    for (std::size_t i = t + 1 - n; i < t; ++i)
        if (!same_bits(xs[i], xs[t])) return false;
    return true;
}

// got against want bar by bar: bit for bit where exact(bar) holds, elsewhere within rel of
// max(1, |want|).
template <class Exact>
void expect_series(const Series& got, const Series& want, double rel, Exact exact) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "bar " << i;
        if (!got[i]) continue;
        if (exact(i)) {
            ASSERT_TRUE(same_bits(*got[i], *want[i])) << "bar " << i << ": " << *got[i] << " vs " << *want[i];
        } else {
            ASSERT_NEAR(*got[i], *want[i], rel * std::max(1.0, std::fabs(*want[i]))) << "bar " << i;
        }
    }
}

// Bit for bit when rel is 0.
inline void expect_series(const Series& got, const Series& want, double rel) {
    expect_series(got, want, rel, [rel](std::size_t) { return rel == 0; });
}

// A type whose lengths reach far beyond 500 closes: it reports `warmup` and gives no value over
// them, holding only what it has seen (a window reserved in full would fail or exhaust memory).
inline void expect_lengths_beyond_data(const std::string& type, const std::vector<double>& params,
                                       std::uint64_t warmup) {
    auto built = build_indicator(type, params);
    ASSERT_TRUE(built) << type;
    EXPECT_EQ((*built)->warmup_period(), warmup) << type;
    for (int i = 0; i < 500; ++i) ASSERT_FALSE(update_close(**built, 100 + i % 7)) << type << " bar " << i;
}

// Closes the type must refuse though they are finite (a change, sum or ratio that overflows):
// each of `bad` after `before` gives no value, and the values on `after` are those of the
// series without them.
inline void expect_refused(const std::string& type, const std::vector<double>& params, std::vector<double> before,
                           const std::vector<double>& bad, const std::vector<double>& after) {
    std::vector<double> with = before;
    with.insert(with.end(), bad.begin(), bad.end());
    with.insert(with.end(), after.begin(), after.end());
    before.insert(before.end(), after.begin(), after.end());
    Series a = run_built(type, params, with), b = run_built(type, params, before);
    const std::size_t k = before.size() - after.size();
    for (std::size_t i = 0; i < bad.size(); ++i) EXPECT_FALSE(a[k + i]) << type << ": bad close " << i;
    for (std::size_t i = 0; i < after.size(); ++i) {
        const auto &x = a[k + bad.size() + i], &y = b[k + i];
        ASSERT_TRUE(x.has_value() == y.has_value() && (!x || same_bits(*x, *y))) << type << ": bar " << i << " after";
    }
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
