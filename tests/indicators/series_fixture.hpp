#pragma once
// Shared test data and comparison helpers for single-series indicators: a varied close series
// (trend, noise, jumps, a flat run, small and large moves, non-finite bars), the outputs of a
// state over it, and bar-by-bar comparisons with a reference computed over the accepted closes.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace prynox::test {

using Series = std::vector<std::optional<double>>;

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

inline std::vector<double> accepted(const std::vector<double>& closes) {
    std::vector<double> out;
    for (double c : closes)
        if (std::isfinite(c)) out.push_back(c);
    return out;
}

// Feeds every close to the state's update_value.
template <class State>
Series run(State& state, const std::vector<double>& closes) {
    Series out;
    for (double c : closes) out.push_back(state.update_value(c));
    return out;
}

// Spreads outputs computed over the accepted closes back onto the bars (none on rejected bars).
inline Series on_bars(const std::vector<double>& closes, const Series& per_accepted) {
    Series out;
    std::size_t k = 0;
    for (double c : closes) out.push_back(std::isfinite(c) ? per_accepted.at(k++) : std::nullopt);
    return out;
}

inline bool same_bits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

inline void expect_series_exact(const Series& got, const Series& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        ASSERT_EQ(got[i].has_value(), want[i].has_value()) << "bar " << i;
        if (got[i]) ASSERT_TRUE(same_bits(*got[i], *want[i])) << "bar " << i << ": " << *got[i] << " vs " << *want[i];
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

// 1-based bar of the first value, 0 when none.
inline std::size_t first_value_bar(const Series& s) {
    for (std::size_t i = 0; i < s.size(); ++i)
        if (s[i]) return i + 1;
    return 0;
}

}  // namespace prynox::test
