#pragma once
// Linearly weighted moving average (weight 1 for the oldest up to N for the newest), kept as a
// running numerator and plain sum over a ring; both are recomputed exactly after every 16 laps
// of the ring.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/fixed_ring.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class Wma {
public:
    static std::expected<Wma, IndicatorError> create(std::uint64_t period);
    // For callers that already checked the period; 0 acts as 1.
    explicit Wma(std::uint64_t period);

    std::optional<double> update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        if (ring_.full()) [[likely]] {
            double old = ring_.replace(x);
            numerator_ = (numerator_ - sum_) + x * n_;
            sum_ = x + (sum_ - old);
            if (ring_.head() == 0 && ++laps_ == 16) [[unlikely]]
                recompute();
            return numerator_ / divisor_;
        }
        return fill(x);
    }

    std::uint64_t period() const { return ring_.period(); }
    std::uint64_t warmup_period() const { return ring_.period(); }
    double divisor() const { return divisor_; }

private:
    std::optional<double> fill(double x);
    void recompute();

    FixedRing ring_;
    double n_;
    double divisor_;
    double numerator_ = 0.0;
    double sum_ = 0.0;
    std::uint64_t laps_ = 0;
};

}  // namespace prynox
