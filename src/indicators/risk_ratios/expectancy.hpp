#pragma once
// Mean of the last N returns over their average loss (as a positive amount); 0 without a loss.
// The sum, the loss sum and the count of losses are adjusted as values leave and enter and
// never recomputed.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sum_and_losses.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Expectancy {
public:
    static std::expected<Expectancy, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        if (!sums_.push(x) || !sums_.full()) [[unlikely]]
            return std::nullopt;
        const CountedSum& losses = sums_.losses();
        if (losses.all_zero()) return 0.0;
        double value = (sums_.sum() / n_) / (losses.sum / static_cast<double>(losses.nonzero));
        // A loss sum whose residue cancels it exactly would divide by zero.
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit Expectancy(std::uint64_t period) : sums_(period), n_(static_cast<double>(period)) {}

    SumAndLosses sums_;
    double n_;
};

}  // namespace prynox
