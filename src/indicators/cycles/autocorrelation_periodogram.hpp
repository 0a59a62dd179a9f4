#pragma once
// Dominant cycle from the autocorrelation spectrum of the roofed close: the close goes through
// a one-pole high-pass (cut-off max_period) and a 10-bar super smoother; the correlations of the
// last three filtered values with the three at each lag up to max_period feed a discrete
// Fourier sum per period in [min_period, max_period]; the value is the power-weighted mean of
// the periods whose smoothed power is at least half the decaying maximum.
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/indicator_error.hpp"
#include "indicators/digital_filters/roofing_filter.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPeriodogramOrderMessage =
    "autocorrelation periodogram needs AvgLength < min_period < max_period";

class AutocorrelationPeriodogram {
public:
    // Any zero; then 3 < min_period < max_period; then max_period > 10 (the smoother's length,
    // refused with the roofing filter's message). Neither is bounded by MAX_PERIOD: storage
    // follows the closes seen.
    static std::expected<AutocorrelationPeriodogram, IndicatorError> create(std::uint64_t min_period,
                                                                            std::uint64_t max_period);

    // A period in [min_period, max_period] once max_period + 3 filtered values are held; a
    // non-finite x, or one whose derived numbers overflow, changes nothing.
    OptionalValue update_value(double x);

    // max_period + 3
    std::uint64_t warmup_period() const { return window_.capacity(); }
    // The precomputed cosines and sines, when there are at most kMaxTablePairs of them.
    bool has_table() const { return !table_.empty(); }
    std::size_t window_storage() const { return window_.storage(); }

    static constexpr std::uint64_t kMaxTablePairs = 65536;

private:
    AutocorrelationPeriodogram(std::uint64_t min_period, std::uint64_t max_period);
    // The spectrum for the newest window into the scratch powers, which the caller swaps in
    // when it keeps the update; none when a power is not finite or the arrays could not be had.
    OptionalValue measure();
    bool reserve_arrays();

    RoofingFilter roofing_;  // high-pass over max_period, super smoother over 10
    RollingWindow<double> window_;
    std::uint64_t min_period_;
    std::uint64_t max_period_;
    // Built once the window first fills (their size follows max_period, not the data):
    std::vector<double> corr_;        // corr_[N - 3], lags N = 3..max_period
    std::vector<double> power_;       // power_[P - min_period]
    std::vector<double> next_power_;  // the step being measured, swapped in when it is kept
    double max_power_ = 0.0;
    double next_max_power_ = 0.0;
    // (cos, sin) of N * 2pi / P, row per P ascending, N = 3..max_period ascending; or empty.
    std::vector<double> table_;
};

}  // namespace prynox
