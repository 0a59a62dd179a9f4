#pragma once
// Linearly weighted moving average (weight 1 for the oldest up to N for the newest), kept as a
// running numerator and plain sum over a ring; both are recomputed exactly after every 16 laps
// of the ring.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/fixed_ring.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Wma {
public:
    static std::expected<Wma, IndicatorError> create(std::uint64_t period);
    // For callers that already checked the period; 0 acts as 1.
    explicit Wma(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x) || !ring_.full()) [[unlikely]]
            return update_filling(x);
        double sum = sum_;
        double numerator = numerator_;
        double old = ring_.replace(x);
        numerator = (numerator - sum) + x * n_;
        sum = x + (sum - old);
        numerator_ = numerator;
        sum_ = sum;
        if (ring_.head() == 0 && ++laps_ == 16) [[unlikely]]
            numerator = recompute();
        return numerator / divisor_;
    }

    std::uint64_t period() const { return ring_.period(); }
    std::uint64_t warmup_period() const { return ring_.period(); }
    double divisor() const { return divisor_; }

private:
    // The rare paths stay out of line so the steady path needs no saved registers.
    [[gnu::noinline]] OptionalValue update_filling(double x);
    [[gnu::noinline]] double recompute();

    FixedRing ring_;
    double n_;
    double divisor_;
    double numerator_ = 0.0;
    double sum_ = 0.0;
    std::uint64_t laps_ = 0;
};

}  // namespace prynox
