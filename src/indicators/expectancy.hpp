#pragma once
// Mean of the last N returns over their average loss (as a positive amount); 0 without a loss.
// The sum, the loss sum and the count of losses are adjusted as values leave and enter and
// never recomputed.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/counted_sum.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/rolling_window.hpp"

namespace prynox {

class Expectancy {
public:
    static std::expected<Expectancy, IndicatorError> create(std::uint64_t period);

    std::optional<double> update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        if (!window_.make_room()) [[unlikely]]
            return std::nullopt;
        double sum;
        CountedSum losses;  // its non-zero terms are exactly the negative values
        if (window_.full()) [[likely]] {
            double old = window_.oldest();
            sum = (sum_ - old) + x;
            losses = losses_.replaced(loss(old), loss(x));
        } else {
            sum = sum_ + x;
            losses = losses_.added(loss(x));
        }
        // A sum that overflows would stay poisoned for the rest of the run.
        if (!std::isfinite(sum) || !std::isfinite(losses.sum)) [[unlikely]]
            return std::nullopt;
        (void)window_.push(x);  // room was made above
        sum_ = sum;
        losses_ = losses;
        if (!window_.full()) [[unlikely]]
            return std::nullopt;
        if (losses_.all_zero()) return 0.0;
        double value = (sum_ / n_) / (losses_.sum / static_cast<double>(losses_.nonzero));
        // A loss sum whose residue cancels it exactly would divide by zero.
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit Expectancy(std::uint64_t period) : window_(period), n_(static_cast<double>(period)) {}
    static double loss(double r) { return r < 0.0 ? -r : 0.0; }

    RollingWindow<double> window_;
    double n_;
    double sum_ = 0.0;
    CountedSum losses_;
};

}  // namespace prynox
