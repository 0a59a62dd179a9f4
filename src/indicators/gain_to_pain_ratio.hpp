#pragma once
// Sum of the last N returns over the sum of their losses (as positive amounts); 0 without a
// loss. Both sums are adjusted as values leave and enter and never recomputed; the count of
// losses in the window says exactly when there is none, whatever residue the loss sum keeps.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/counted_sum.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/rolling_window.hpp"

namespace prynox {

class GainToPainRatio {
public:
    static std::expected<GainToPainRatio, IndicatorError> create(std::uint64_t period);

    std::optional<double> update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        if (!window_.make_room()) [[unlikely]]
            return std::nullopt;
        double sum;
        CountedSum pain;
        if (window_.full()) [[likely]] {
            double old = window_.oldest();
            sum = (sum_ - old) + x;
            pain = pain_.replaced(loss(old), loss(x));
        } else {
            sum = sum_ + x;
            pain = pain_.added(loss(x));
        }
        // A sum that overflows would stay poisoned for the rest of the run.
        if (!std::isfinite(sum) || !std::isfinite(pain.sum)) [[unlikely]]
            return std::nullopt;
        (void)window_.push(x);  // room was made above
        sum_ = sum;
        pain_ = pain;
        if (!window_.full()) [[unlikely]]
            return std::nullopt;
        if (pain_.all_zero() || !(pain_.sum > 0.0)) return 0.0;
        double value = sum_ / pain_.sum;
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit GainToPainRatio(std::uint64_t period) : window_(period) {}
    static double loss(double r) { return r < 0.0 ? -r : 0.0; }

    RollingWindow<double> window_;
    double sum_ = 0.0;
    CountedSum pain_;
};

}  // namespace prynox
