#include "indicators/window_statistics/sample_entropy.hpp"

#include <cmath>

#include "indicators/cores/window_copy.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<SampleEntropy, IndicatorError> SampleEntropy::create(std::uint64_t period, std::uint64_t m,
                                                                   double r_factor) {
    if (period == 0 || m == 0) return std::unexpected(IndicatorError::zero_period());
    // period < m + 2, without forming m + 2.
    if (period < 2 || period - 2 < m) return std::unexpected(IndicatorError::invalid_period(kSampleEntropyPeriodMessage));
    if (!(std::isfinite(r_factor) && r_factor > 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kSampleEntropyFactorMessage));
    return SampleEntropy(period, m, r_factor);
}

OptionalValue SampleEntropy::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.push(x)) return std::nullopt;
    bool flat = run_.push(x);
    if (!window_.full()) return std::nullopt;
    if (flat) return 0.0;
    auto y = copy_window(window_, scratch_);
    if (y.empty()) return std::nullopt;
    std::size_t n = y.size();
    double sum = 0.0;
    for (double v : y) sum += v;
    double mean = sum / n_;
    double ss = 0.0;
    for (double v : y) {
        double d = v - mean;
        ss += d * d;
    }
    double var = ss / n_;
    // Overflowing sums measure nothing: no value for this bar.
    if (!std::isfinite(var)) [[unlikely]]
        return std::nullopt;
    if (var <= 0.0) return 0.0;
    double r = std::sqrt(var) * r_factor_;
    // Templates start at 0 .. n - m - 1. Along the diagonal of distance delta, `run` is the
    // number of consecutive matching pairs (y[k + t], y[k + delta + t]) from t = 0; the pair of
    // templates starting at k and k + delta matches for m closes when run >= m and for m + 1
    // when run > m.
    std::size_t starts = n - m_;
    std::uint64_t b = 0;
    std::uint64_t a = 0;
    for (std::size_t delta = 1; delta < starts; ++delta) {
        std::size_t last_pair = starts - 1 - delta;
        std::uint64_t run = 0;
        for (std::size_t k = n - delta; k-- > 0;) {
            run = std::fabs(y[k] - y[k + delta]) <= r ? run + 1 : 0;
            if (k <= last_pair) {
                b += run >= m_ ? 1 : 0;
                a += run > m_ ? 1 : 0;
            }
        }
    }
    if (b == 0) return 0.0;
    if (a == 0) return std::log(static_cast<double>(b));
    return -std::log(static_cast<double>(a) / static_cast<double>(b));
}

}  // namespace prynox
