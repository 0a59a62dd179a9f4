#pragma once
// What the range volatility estimators share: the window of per-candle terms with its running
// sum, and the annualised percent volatility of the window's mean term. One constructor for all
// three: a zero window or a zero count of bars per year is refused; neither has an upper bound,
// since the window's storage grows with the candles seen.
#include <cmath>
#include <cstdint>
#include <expected>

#include "indicators/cores/resummed_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RangeEstimator {
public:
    static std::expected<RangeEstimator, IndicatorError> create(std::uint64_t period, std::uint64_t bars_per_year) {
        if (period == 0 || bars_per_year == 0) return std::unexpected(IndicatorError::zero_period());
        return RangeEstimator(period, bars_per_year);
    }

    // One candle's term, its variance taken as (sum * scale) / n when `scaled`, else sum / n. A
    // term that is not finite (a zero price, prices of mixed sign, an overflowing ratio) is refused
    // with nothing changed: left in the sum it would spoil every value until the next re-sum.
    OptionalValue push(double term, bool scaled, double scale) {
        if (!std::isfinite(term)) [[unlikely]]
            return {};
        const double leaving = window_.full() ? window_.values().oldest() : 0.0;
        if (!window_.push(term)) [[unlikely]]
            return {};
        nonzero_ = nonzero_ - (leaving != 0.0 ? 1 : 0) + (term != 0.0 ? 1 : 0);
        if (!window_.full()) return {};
        // A window of zero terms is flat: exactly 0, whatever residue the running sum keeps.
        if (nonzero_ == 0) return 0.0;
        double variance = scaled ? (window_.sum() * scale) / n_ : window_.sum() / n_;
        if (variance < 0.0) variance = 0.0;
        return std::sqrt(variance) * sqrt_bars_per_year_ * 100.0;
    }

    std::uint64_t period() const { return window_.length(); }

private:
    RangeEstimator(std::uint64_t period, std::uint64_t bars_per_year)
        : window_(period), n_(static_cast<double>(period)),
          sqrt_bars_per_year_(std::sqrt(static_cast<double>(bars_per_year))) {}

    ResummedWindow window_;  // re-summed from the oldest term once every n terms
    std::uint64_t nonzero_ = 0;
    double n_;
    double sqrt_bars_per_year_;
};

}  // namespace prynox
