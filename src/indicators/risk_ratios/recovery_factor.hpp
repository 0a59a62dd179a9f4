#pragma once
// Return since the first close over the largest relative drawdown seen so far, over the whole
// run: (x / x0 - 1) / largest drawdown; 0 before any drawdown; nothing at all when the first
// close is 0. The running peak starts below every close, and drawdowns count only under a
// peak > 0.
#include <cmath>
#include <expected>
#include <cstdint>
#include <limits>
#include <optional>
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RecoveryFactor {
public:
    // No parameters and no checks.
    static std::expected<RecoveryFactor, IndicatorError> create() { return RecoveryFactor{}; }

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        double peak = x > peak_ ? x : peak_;
        double largest = largest_drawdown_;
        if (peak > 0.0) {
            double dd = (peak - x) / peak;
            // A drop from a huge peak to a huge negative close overflows; kept, it would pin the
            // drawdown at infinity for the rest of the run.
            if (!std::isfinite(dd)) [[unlikely]]
                return std::nullopt;
            if (dd > largest) largest = dd;
        }
        if (!started_) {
            first_ = x;
            started_ = true;
        }
        peak_ = peak;
        largest_drawdown_ = largest;
        if (first_ == 0.0) return std::nullopt;
        if (largest_drawdown_ == 0.0) return 0.0;
        double value = (x / first_ - 1.0) / largest_drawdown_;
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    double first_ = 0.0;
    double peak_ = -std::numeric_limits<double>::infinity();
    double largest_drawdown_ = 0.0;
    bool started_ = false;
};

}  // namespace prynox
