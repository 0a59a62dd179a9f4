#pragma once
// Sum of the last N returns over the sum of their losses (as positive amounts); 0 without a
// loss. Both sums are adjusted as values leave and enter and never recomputed; the count of
// losses in the window says exactly when there is none, whatever residue the loss sum keeps.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sum_and_losses.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class GainToPainRatio {
public:
    static std::expected<GainToPainRatio, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        if (!sums_.push(x) || !sums_.full()) [[unlikely]]
            return std::nullopt;
        const CountedSum& pain = sums_.losses();
        if (pain.all_zero() || !(pain.sum > 0.0)) return 0.0;
        double value = sums_.sum() / pain.sum;
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit GainToPainRatio(std::uint64_t period) : sums_(period) {}

    SumAndLosses sums_;
};

}  // namespace prynox
