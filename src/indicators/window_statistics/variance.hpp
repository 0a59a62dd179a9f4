#pragma once
// Population variance of the last N closes.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Variance {
public:
    // Window check on the period.
    static std::expected<Variance, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x) || !sums_.push(x) || !sums_.full()) [[unlikely]]
            return std::nullopt;
        return finite_result(sums_.variance());
    }
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit Variance(MomentSums<2> sums) : sums_(std::move(sums)) {}

    MomentSums<2> sums_;
};

}  // namespace prynox
