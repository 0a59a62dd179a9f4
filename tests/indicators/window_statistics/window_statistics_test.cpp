// The window statistics against straightforward recomputations over the accepted closes of a
// varied series (rejected bars, flat runs of awkward values, zeros), their warm-ups, the worked
// cases and the constant windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <vector>

#include "support/indicator_test_support.hpp"
#include "indicators/window_statistics/autocorrelation.hpp"
#include "indicators/window_statistics/coefficient_of_variation.hpp"
#include "indicators/window_statistics/detrended_std_dev.hpp"
#include "indicators/window_statistics/hurst_exponent.hpp"
#include "indicators/window_statistics/jarque_bera.hpp"
#include "indicators/window_statistics/kurtosis.hpp"
#include "indicators/window_statistics/median_absolute_deviation.hpp"
#include "indicators/window_statistics/rolling_iqr.hpp"
#include "indicators/window_statistics/rolling_min_max_scaler.hpp"
#include "indicators/window_statistics/rolling_percentile_rank.hpp"
#include "indicators/window_statistics/rolling_quantile.hpp"
#include "indicators/window_statistics/sample_entropy.hpp"
#include "indicators/window_statistics/shannon_entropy.hpp"
#include "indicators/window_statistics/skewness.hpp"
#include "indicators/window_statistics/std_dev.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/window_statistics/variance.hpp"
#include "indicators/window_statistics/z_score.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr std::uint64_t kMaxU64 = std::numeric_limits<std::uint64_t>::max();

// The closes with flat runs of awkward values; warm-ups on 120 gapless closes.
const test::ClosesCase& data() {
    static const test::ClosesCase d(test::closes_with_flat_runs(), 120);
    return d;
}

// The value of f over each full window of the accepted closes (a pointer to its oldest value).
template <class F>
Series per_window(std::size_t n, F f) {
    const Vec& xs = data().finite();
    Series out;
    for (std::size_t t = 0; t < xs.size(); ++t)
        out.push_back(t + 1 < n ? std::nullopt : std::optional<double>(f(&xs[t + 1 - n], xs[t])));
    return out;
}

bool flat(const double* y, std::size_t n) {
    return std::all_of(y, y + n, [&](double v) { return v == y[0]; });
}

double mean_of(const double* y, std::size_t n) {
    double s = 0;
    for (std::size_t i = 0; i < n; ++i) s += y[i];
    return s / static_cast<double>(n);
}

// ------------------------------------------------------------------ moments from anchored sums

struct Moments {
    double k;
    std::array<double, 4> s;
    bool flat;
};

// The anchored power sums written out: the leaving value's powers subtracted, the entering
// value's added, and every N updates the anchor moved to the window's mean and the sums rebuilt.
std::vector<std::optional<Moments>> running_moments(std::size_t N) {
    const Vec& xs = data().finite();
    double k = 0;
    std::array<double, 4> s{};
    std::size_t updates = 0;
    auto add = [&s](double d, double sign) {
        double d2 = d * d;
        s[0] = s[0] + sign * d;
        s[1] = s[1] + sign * d2;
        s[2] = s[2] + sign * (d2 * d);
        s[3] = s[3] + sign * (d2 * d2);
    };
    std::vector<std::optional<Moments>> out;
    for (std::size_t t = 0; t < xs.size(); ++t) {
        if (t >= N) add(xs[t - N] - k, -1.0);
        if (t == 0) k = xs[0];
        add(xs[t] - k, 1.0);
        if (++updates >= N) {
            std::size_t held = std::min(t + 1, N);
            k = mean_of(&xs[t + 1 - held], held);
            s = {};
            for (std::size_t j = t + 1 - held; j <= t; ++j) add(xs[j] - k, 1.0);
            updates = 0;
        }
        out.push_back(t + 1 < N ? std::nullopt : std::optional<Moments>({k, s, flat(&xs[t + 1 - N], N)}));
    }
    return out;
}

double variance_of(const Moments& m, double n) {
    if (m.flat) return 0.0;
    double m1 = m.s[0] / n, v = m.s[1] / n - m1 * m1;
    return v <= 0 ? 0.0 : v;
}

template <class F>
Series map_moments(std::size_t N, F f) {
    auto ms = running_moments(N);
    const Vec& xs = data().finite();
    Series out;
    for (std::size_t t = 0; t < ms.size(); ++t)
        out.push_back(ms[t] ? std::optional<double>(f(*ms[t], static_cast<double>(N), xs[t])) : std::nullopt);
    return out;
}

// Textbook central moments of a window, for the near comparisons.
std::array<double, 3> central_moments(const double* y, std::size_t n) {
    double m = mean_of(y, n), c2 = 0, c3 = 0, c4 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double d = y[i] - m;
        c2 += d * d / n;
        c3 += d * d * d / n;
        c4 += d * d * d * d / n;
    }
    return {c2, c3, c4};
}

TEST(WindowStatisticsTest, VarianceStdDevZScoreCoefficientOfVariation) {
    for (std::size_t N : {1u, 2u, 5u, 14u, 30u}) {
        SCOPED_TRACE(N);
        data().expect_exact(*Variance::create(N),
                            map_moments(N, [](const Moments& m, double n, double) { return variance_of(m, n); }));
        data().expect_exact(*StdDev::create(N),
                            map_moments(N, [](const Moments& m, double n, double) { return std::sqrt(variance_of(m, n)); }));
        data().expect_exact(*ZScore::create(N), map_moments(N, [](const Moments& m, double n, double x) {
                                double v = variance_of(m, n);
                                return v == 0 ? 0.0 : (x - (m.k + m.s[0] / n)) / std::sqrt(v);
                            }));
        data().expect_exact(*CoefficientOfVariation::create(N), map_moments(N, [](const Moments& m, double n, double) {
                                double mean = m.k + m.s[0] / n;
                                return mean == 0 ? 0.0 : std::sqrt(variance_of(m, n)) / mean;
                            }));
        data().expect_near(*Variance::create(N),
                           per_window(N, [N](const double* y, double) { return central_moments(y, N)[0]; }),
                           1e-9);
        data().expect_warmup_matches(*Variance::create(N));
        data().expect_warmup_matches(*StdDev::create(N));
        data().expect_warmup_matches(*ZScore::create(N));
        data().expect_warmup_matches(*CoefficientOfVariation::create(N));
    }
}

TEST(WindowStatisticsTest, SkewnessAndKurtosis) {
    for (std::size_t N : {4u, 5u, 14u, 30u}) {
        SCOPED_TRACE(N);
        data().expect_exact(*Skewness::create(N), map_moments(N, [](const Moments& m, double n, double) {
                                double v = variance_of(m, n);
                                if (v == 0) return 0.0;
                                double m1 = m.s[0] / n, r2 = m.s[1] / n, r3 = m.s[2] / n;
                                return (r3 - 3 * m1 * r2 + 2 * (m1 * m1 * m1)) / (v * std::sqrt(v));
                            }));
        data().expect_exact(*Kurtosis::create(N), map_moments(N, [](const Moments& m, double n, double) {
                                double v = variance_of(m, n);
                                if (v == 0) return 0.0;
                                double m1 = m.s[0] / n, r2 = m.s[1] / n, r3 = m.s[2] / n, r4 = m.s[3] / n;
                                double q = m1 * m1;
                                return (r4 - 4 * m1 * r3 + 6 * q * r2 - 3 * (q * q)) / (v * v) - 3;
                            }));
        // Against textbook central moments, on windows with a clear spread; power sums around an
        // anchor that lags a jump lose a few digits to cancellation.
        auto skew = *Skewness::create(N);
        auto kurt = *Kurtosis::create(N);
        for (std::size_t t = 0; t < data().finite().size(); ++t) {
            auto s = skew.update_value(data().finite()[t]);
            auto k = kurt.update_value(data().finite()[t]);
            if (t + 1 < N) continue;
            auto [c2, c3, c4] = central_moments(&data().finite()[t + 1 - N], N);
            if (c2 < 1e-2) continue;
            double skew = c3 / std::pow(c2, 1.5), excess = c4 / (c2 * c2) - 3;
            EXPECT_NEAR(*s, skew, 1e-5 * std::max(1.0, std::fabs(skew))) << t;
            EXPECT_NEAR(*k, excess, 1e-5 * std::max(1.0, std::fabs(excess))) << t;
        }
        data().expect_warmup_matches(*Skewness::create(N));
        data().expect_warmup_matches(*Kurtosis::create(N));
    }
}

TEST(WindowStatisticsTest, JarqueBera) {
    for (std::size_t N : {4u, 5u, 14u, 30u}) {
        SCOPED_TRACE(N);
        double n = static_cast<double>(N);
        data().expect_exact(*JarqueBera::create(N), per_window(N, [&](const double* y, double) {
                                if (flat(y, N)) return 0.0;
                                double mean = mean_of(y, N), s2 = 0, s3 = 0, s4 = 0;
                                for (std::size_t i = 0; i < N; ++i) {
                                    double d = y[i] - mean;
                                    s2 += d * d;
                                    s3 += d * d * d;
                                    s4 += (d * d) * (d * d);
                                }
                                double m2 = s2 / n, m3 = s3 / n, m4 = s4 / n;
                                if (m2 == 0) return 0.0;
                                double s = m3 / (m2 * std::sqrt(m2)), k = m4 / (m2 * m2) - 3;
                                return n / 6 * (s * s + k * k * 0.25);
                            }));
        data().expect_warmup_matches(*JarqueBera::create(N));
    }
}

// ------------------------------------------------------------------ order statistics

Vec sorted_window(const double* y, std::size_t n) {
    Vec v(y, y + n);
    std::sort(v.begin(), v.end(), total_less);
    return v;
}

double quantile(const Vec& v, double p) {
    std::size_t n = v.size();
    double h = (n - 1.0) * p;
    std::size_t i = static_cast<std::size_t>(std::floor(h));
    return i >= n - 1 ? v[n - 1] : v[i] + (h - i) * (v[i + 1] - v[i]);
}

double median(const Vec& v) {
    std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) * 0.5;
}

TEST(WindowStatisticsTest, QuantileIqrMedianAbsoluteDeviation) {
    for (std::size_t N : {1u, 2u, 5u, 14u, 30u}) {
        SCOPED_TRACE(N);
        for (double q : {0.0, 0.05, 0.25, 0.5, 0.9, 1.0}) {
            data().expect_exact(*RollingQuantile::create(N, q),
                                per_window(N, [&](const double* y, double) { return quantile(sorted_window(y, N), q); }));
        }
        data().expect_exact(*RollingIqr::create(N), per_window(N, [&](const double* y, double) {
                                Vec v = sorted_window(y, N);
                                return quantile(v, 0.75) - quantile(v, 0.25);
                            }));
        data().expect_exact(*MedianAbsoluteDeviation::create(N), per_window(N, [&](const double* y, double) {
                                double m = median(sorted_window(y, N));
                                Vec dev;
                                for (std::size_t i = 0; i < N; ++i) dev.push_back(std::fabs(y[i] - m));
                                std::sort(dev.begin(), dev.end());
                                return median(dev);
                            }));
        data().expect_warmup_matches(*RollingQuantile::create(N, 0.3));
        data().expect_warmup_matches(*RollingIqr::create(N));
        data().expect_warmup_matches(*MedianAbsoluteDeviation::create(N));
    }
    // q = 0 is the minimum and q = 1 the maximum.
    auto lo = *RollingQuantile::create(4, 0.0);
    auto hi = *RollingQuantile::create(4, 1.0);
    for (double x : {5.0, -2.5, 9.0, 1.0}) (void)lo.update_value(x), (void)hi.update_value(x);
    EXPECT_EQ(lo.update_value(3.0), -2.5);
    EXPECT_EQ(hi.update_value(3.0), 9.0);
    // The median of the extremes does not overflow.
    auto mad = *MedianAbsoluteDeviation::create(2);
    (void)mad.update_value(1.7e308);
    EXPECT_NEAR(*mad.update_value(1.5e308), 1e307, 1e293);
}

TEST(WindowStatisticsTest, PercentileRankAndMinMaxScaler) {
    for (std::size_t N : {2u, 5u, 14u, 30u}) {
        SCOPED_TRACE(N);
        data().expect_exact(*RollingPercentileRank::create(N), per_window(N, [&](const double* y, double x) {
                                double below = 0, equal = 0;
                                for (std::size_t i = 0; i < N; ++i) below += y[i] < x, equal += y[i] == x;
                                return (below + equal / 2) / N * 100;
                            }));
        data().expect_exact(*RollingMinMaxScaler::create(N), per_window(N, [&](const double* y, double x) {
                                auto [lo, hi] = std::minmax_element(y, y + N);
                                return *hi - *lo <= 0 ? 0.5 : (x - *lo) / (*hi - *lo);
                            }));
        data().expect_warmup_matches(*RollingPercentileRank::create(N));
        data().expect_warmup_matches(*RollingMinMaxScaler::create(N));
    }
    // A new maximum of distinct values ranks (n - 0.5) / n, not 100.
    auto rank = *RollingPercentileRank::create(4);
    for (double x : {3.0, 1.0, 2.0}) (void)rank.update_value(x);
    EXPECT_EQ(rank.update_value(7.0), 87.5);
}

// ------------------------------------------------------------------ serial structure

TEST(WindowStatisticsTest, AutocorrelationAndDetrendedStdDev) {
    for (auto [N, lag] : {std::pair<std::size_t, std::size_t>{2, 1}, {5, 1}, {14, 3}, {30, 29}, {30, 7}}) {
        SCOPED_TRACE(N);
        data().expect_exact(*Autocorrelation::create(N, lag), per_window(N, [&](const double* y, double) {
                                if (flat(y, N)) return 0.0;
                                double mean = mean_of(y, N), den = 0, num = 0;
                                for (std::size_t i = 0; i < N; ++i) den += (y[i] - mean) * (y[i] - mean);
                                for (std::size_t i = 0; i + lag < N; ++i) num += (y[i] - mean) * (y[i + lag] - mean);
                                return den == 0 ? 0.0 : num / den;
                            }));
        data().expect_warmup_matches(*Autocorrelation::create(N, lag));
    }
    for (std::size_t N : {2u, 3u, 9u, 30u}) {
        SCOPED_TRACE(N);
        double n = static_cast<double>(N), sx = ((n - 1) * n) * 0.5, d = ((n - 1) * n) * (2 * n - 1) / 6 * n - sx * sx;
        data().expect_exact(*DetrendedStdDev::create(N), per_window(N, [&](const double* y, double) {
                                double mt = (n - 1) / 2, sum = 0, sxy = 0, sse = 0;
                                for (std::size_t i = 0; i < N; ++i) sum += y[i] - y[0];
                                double mz = sum / n;
                                for (std::size_t i = 0; i < N; ++i) sxy += (i - mt) * ((y[i] - y[0]) - mz);
                                double b = sxy / (d / n);
                                for (std::size_t i = 0; i < N; ++i) {
                                    double e = ((y[i] - y[0]) - mz) - b * (i - mt);
                                    sse += e * e;
                                }
                                return std::sqrt(sse / n);
                            }));
        data().expect_warmup_matches(*DetrendedStdDev::create(N));
    }
    // A straight line has no residual.
    for (std::size_t N : {5u, 10u, 64u}) {
        auto dsd = *DetrendedStdDev::create(N);
        std::optional<double> v;
        for (std::size_t i = 1; i <= N; ++i) v = dsd.update_value(static_cast<double>(i));
        EXPECT_EQ(v, 0.0) << N;
    }
}

double ref_hurst(const double* y, std::size_t n, std::size_t chunks) {
    if (flat(y, n)) return 0.5;
    std::vector<std::pair<double, double>> points;
    for (std::size_t k = 1; k <= chunks; ++k) {
        std::size_t s = n / k;
        Vec rs;
        for (std::size_t j = 0; j < k; ++j) {
            const double* c = y + j * s;
            double m = mean_of(c, s), z = 0, ss = 0;
            Vec zs;
            for (std::size_t t = 0; t < s; ++t) {
                z += c[t] - m;
                zs.push_back(z);
                ss += (c[t] - m) * (c[t] - m);
            }
            double r = *std::max_element(zs.begin(), zs.end()) - *std::min_element(zs.begin(), zs.end());
            if (r != 0 && ss / s != 0) rs.push_back(r / std::sqrt(ss / s));
        }
        if (rs.empty()) continue;
        double sum = 0;
        for (double v : rs) sum += v;
        points.push_back({std::log(double(s)), std::log(sum / rs.size())});
    }
    if (points.size() < 2) return 0.5;
    double np = points.size(), sx = 0, sy = 0, sxy = 0, sxx = 0;
    for (auto [x, yv] : points) sx += x, sy += yv, sxy += x * yv, sxx += x * x;
    return std::clamp((np * sxy - sx * sy) / (np * sxx - sx * sx), 0.0, 1.0);
}

TEST(WindowStatisticsTest, HurstExponent) {
    for (auto [N, chunks] : {std::pair<std::size_t, std::size_t>{4, 2}, {8, 2}, {20, 4}, {30, 15}, {64, 8}}) {
        SCOPED_TRACE(N);
        data().expect_near(*HurstExponent::create(N, chunks),
                           per_window(N, [&](const double* y, double) { return ref_hurst(y, N, chunks); }), 1e-12);
        data().expect_warmup_matches(*HurstExponent::create(N, chunks));
    }
}

// ------------------------------------------------------------------ complexity

double ref_shannon(const double* y, std::size_t n, std::size_t bins) {
    auto [lo, hi] = std::minmax_element(y, y + n);
    if (*hi <= *lo) return 0.0;
    double width = (*hi - *lo) / bins;
    std::map<std::size_t, std::size_t> counts;
    for (std::size_t i = 0; i < n; ++i)
        ++counts[std::min(bins - 1, static_cast<std::size_t>(std::trunc((y[i] - *lo) / width)))];
    double sum = 0;
    for (auto [bin, count] : counts) sum += (double(count) / n) * std::log2(double(count) / n);
    return -sum;
}

double ref_sample_entropy(const double* y, std::size_t n, std::size_t m, double rf) {
    if (flat(y, n)) return 0.0;
    double mean = mean_of(y, n), ss = 0;
    for (std::size_t i = 0; i < n; ++i) ss += (y[i] - mean) * (y[i] - mean);
    if (ss / n == 0) return 0.0;
    double r = std::sqrt(ss / n) * rf;
    double b = 0, a = 0;
    for (std::size_t i = 0; i + m < n; ++i)
        for (std::size_t j = i + 1; j + m < n; ++j) {
            bool match = true;
            for (std::size_t k = 0; k < m && match; ++k) match = std::fabs(y[i + k] - y[j + k]) <= r;
            if (!match) continue;
            ++b;
            if (std::fabs(y[i + m] - y[j + m]) <= r) ++a;
        }
    if (b == 0) return 0.0;
    return a == 0 ? std::log(b) : -std::log(a / b);
}

TEST(WindowStatisticsTest, ShannonEntropy) {
    // Fewer bins than values count per bin; more bins than values sort the bin numbers.
    for (auto [N, bins] : {std::pair<std::size_t, std::size_t>{5, 2}, {14, 10}, {20, 20}, {30, 64}, {30, 16777216}}) {
        SCOPED_TRACE(bins);
        data().expect_near(*ShannonEntropy::create(N, bins),
                           per_window(N, [&](const double* y, double) { return ref_shannon(y, N, bins); }), 1e-12);
        data().expect_warmup_matches(*ShannonEntropy::create(N, bins));
    }
    // n distinct values spread evenly over n bins: log2 n bits.
    for (std::size_t n : {2u, 8u, 13u}) {
        auto e = *ShannonEntropy::create(n, n);
        std::optional<double> v;
        for (std::size_t i = 0; i < n; ++i) v = e.update_value(static_cast<double>(i));
        EXPECT_NEAR(*v, std::log2(double(n)), 1e-12) << n;
    }
}

TEST(WindowStatisticsTest, SampleEntropy) {
    for (auto [N, m, rf] : {std::tuple<std::size_t, std::size_t, double>{10, 2, 0.2}, {30, 2, 0.5}, {20, 1, 0.1},
                            {14, 3, 1.0}, {5, 3, 0.2}, {12, 10, 3.0}}) {
        SCOPED_TRACE(N);
        data().expect_near(*SampleEntropy::create(N, m, rf),
                           per_window(N, [&](const double* y, double) { return ref_sample_entropy(y, N, m, rf); }), 1e-12);
        data().expect_warmup_matches(*SampleEntropy::create(N, m, rf));
    }
    // Templates of length m match (three pairs) but none extends to m + 1: ln 3, not infinity.
    auto s = *SampleEntropy::create(6, 1, 0.1);
    std::optional<double> v;
    for (double x : {0.0, 10.0, 0.0, 20.0, 0.0, 30.0}) v = s.update_value(x);
    EXPECT_NEAR(*v, std::log(3.0), 1e-15);
}

// ------------------------------------------------------------------ constant windows and inputs

TEST(WindowStatisticsTest, ConstantWindowsGiveTheirFixedValues) {
    // After variation, so running sums carry a residue, and from the start.
    for (double level : {7.0, 0.0, 0.1, -1.0 / 3.0, 1e-300}) {
        for (std::size_t lead : {0u, 57u}) {
            Vec xs = test::varied_closes(lead, 13, false);
            xs.insert(xs.end(), 70, level);
            auto ends_with = [&](auto state, double want, const char* name) {
                auto out = test::run(state, xs);
                ASSERT_TRUE(out.back()) << name;
                EXPECT_EQ(*out.back(), want) << name << " " << level << " " << lead;
            };
            ends_with(*Variance::create(9), 0.0, "Variance");
            ends_with(*StdDev::create(9), 0.0, "StdDev");
            ends_with(*ZScore::create(9), 0.0, "ZScore");
            ends_with(*CoefficientOfVariation::create(9), 0.0, "CoefficientOfVariation");
            ends_with(*Skewness::create(9), 0.0, "Skewness");
            ends_with(*Kurtosis::create(9), 0.0, "Kurtosis");
            ends_with(*JarqueBera::create(9), 0.0, "JarqueBera");
            ends_with(*RollingIqr::create(9), 0.0, "RollingIqr");
            ends_with(*MedianAbsoluteDeviation::create(9), 0.0, "MedianAbsoluteDeviation");
            ends_with(*Autocorrelation::create(9, 2), 0.0, "Autocorrelation");
            ends_with(*DetrendedStdDev::create(9), 0.0, "DetrendedStdDev");
            ends_with(*ShannonEntropy::create(9, 4), 0.0, "ShannonEntropy");
            ends_with(*SampleEntropy::create(9, 2, 0.2), 0.0, "SampleEntropy");
            ends_with(*RollingMinMaxScaler::create(9), 0.5, "RollingMinMaxScaler");
            ends_with(*HurstExponent::create(64, 4), 0.5, "HurstExponent");
            ends_with(*RollingPercentileRank::create(9), 50.0, "RollingPercentileRank");
            ends_with(*RollingQuantile::create(9, 0.3), level, "RollingQuantile");
        }
    }
}

TEST(WindowStatisticsTest, RejectedClosesChangeNothing) {
    for (double bad : {kNaN, kInf, -kInf}) {
        auto v = *Variance::create(2);
        auto q = *RollingQuantile::create(2, 0.5);
        auto a = *Autocorrelation::create(3, 1);
        auto s = *SampleEntropy::create(3, 1, 0.5);
        (void)v.update_value(1), (void)q.update_value(1), (void)a.update_value(1), (void)s.update_value(1);
        (void)a.update_value(2), (void)s.update_value(2);
        EXPECT_FALSE(v.update_value(bad));
        EXPECT_FALSE(q.update_value(bad));
        EXPECT_FALSE(a.update_value(bad));
        EXPECT_FALSE(s.update_value(bad));
        EXPECT_EQ(v.update_value(3), 1.0);
        EXPECT_EQ(q.update_value(3), 2.0);
        EXPECT_EQ(a.update_value(3), 0.0);  // deviations -1, 0, 1: no lagged co-movement
        EXPECT_TRUE(s.update_value(3));
    }
}

TEST(WindowStatisticsTest, OverflowingStatisticsGiveNoValueAndRecover) {
    // Closes a whole double range apart overflow the sums: no value rather than inf or NaN, and
    // the statistics come back once those closes have left the window.
    auto var = *Variance::create(3);
    auto kurt = *Kurtosis::create(4);
    auto jb = *JarqueBera::create(4);
    auto iqr = *RollingIqr::create(3);
    auto ent = *ShannonEntropy::create(3, 2);
    auto sampen = *SampleEntropy::create(4, 1, 0.2);
    std::vector<bool> seen;
    for (double x : {-1.7e308, 1.7e308, -1.7e308, 1.7e308}) {
        seen.push_back(var.update_value(x).has_value());
        seen.push_back(kurt.update_value(x).has_value());
        seen.push_back(jb.update_value(x).has_value());
        seen.push_back(iqr.update_value(x).has_value());
        seen.push_back(ent.update_value(x).has_value());
        seen.push_back(sampen.update_value(x).has_value());
    }
    EXPECT_TRUE(std::none_of(seen.begin(), seen.end(), [](bool b) { return b; }));
    std::optional<double> v, k, j, q, e;
    for (double x : {1.0, 2.0, 3.0, 4.0, 1.0, 2.0, 3.0, 4.0, 1.0, 2.0, 3.0, 4.0}) {
        v = var.update_value(x);
        k = kurt.update_value(x);
        j = jb.update_value(x);
        q = iqr.update_value(x);
        e = ent.update_value(x);
    }
    EXPECT_NEAR(*v, 2.0 / 3.0, 1e-15);
    EXPECT_NEAR(*k, -1.36, 1e-12);
    EXPECT_TRUE(j && q && e);
}

TEST(WindowStatisticsTest, HugeParametersCostOnlyTheDataSeen) {
    // Windows that can never fill over the data give no value and do no quadratic work; a
    // period and template length near the top of the range do not wrap the "period >= m + 2"
    // rule.
    auto s = *SampleEntropy::create(kMaxU64, 2, 0.2);
    auto h = *HurstExponent::create(kMaxU64, 16777216);
    auto e = *ShannonEntropy::create(kMaxU64, 16777216);
    auto a = *Autocorrelation::create(kMaxU64, kMaxU64 - 1);
    for (double x : test::varied_closes(2000, 1, false)) {
        EXPECT_FALSE(s.update_value(x));
        EXPECT_FALSE(h.update_value(x));
        EXPECT_FALSE(e.update_value(x));
        EXPECT_FALSE(a.update_value(x));
    }
    EXPECT_EQ(s.warmup_period(), kMaxU64);
    EXPECT_TRUE(SampleEntropy::create(kMaxU64, kMaxU64 - 2, 0.2));
    EXPECT_FALSE(SampleEntropy::create(kMaxU64, kMaxU64 - 1, 0.2));
    EXPECT_FALSE(SampleEntropy::create(3, kMaxU64, 0.2));
    EXPECT_FALSE(SampleEntropy::create(1, 1, 0.2));
    EXPECT_TRUE(SampleEntropy::create(3, 1, 0.2));
    // A template as long as the window allows: one pair of starts at most.
    auto longest = *SampleEntropy::create(5, 3, 10.0);
    std::optional<double> v;
    for (double x : {1.0, 2.0, 1.0, 2.0, 1.5}) v = longest.update_value(x);
    EXPECT_EQ(v, 0.0);  // the two starts match for 3 closes and for 4: -ln(1/1)
}

}  // namespace
}  // namespace prynox
