#pragma once
// Simple moving average: a ring of N slots with a running sum that is recomputed exactly from
// the slots (from -0.0, ring order) after every 16 * N accepted updates to bound its drift.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/fixed_ring.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Sma {
public:
    // Window check on the period.
    static std::expected<Sma, IndicatorError> create(std::uint64_t period);
    // For callers that already checked the period (derived lengths); 0 acts as 1.
    explicit Sma(std::uint64_t period);

    // Mean of the last N accepted values once N are held; a non-finite x changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x) || !ring_.full()) [[unlikely]]
            return update_filling(x);
        // Read the sum before the slot write, which the compiler must assume may alias it.
        double sum = sum_;
        sum = x + (sum - ring_.replace(x));
        sum_ = sum;
        if (++updates_ >= resum_interval_) [[unlikely]]
            sum = resum();
        return sum / n_;
    }

    std::uint64_t period() const { return ring_.period(); }
    std::uint64_t warmup_period() const { return ring_.period(); }
    const FixedRing& ring() const { return ring_; }
    double sum() const { return sum_; }

private:
    // The rare paths stay out of line so the steady path needs no saved registers.
    [[gnu::noinline]] OptionalValue update_filling(double x);
    [[gnu::noinline]] double resum();

    FixedRing ring_;
    double n_;
    double sum_ = 0.0;
    std::uint64_t updates_ = 0;
    std::uint64_t resum_interval_;
};

}  // namespace prynox
