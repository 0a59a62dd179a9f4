#pragma once
// Z-score of the close: its distance from the mean of the last N closes (itself included) in
// population standard deviations; 0 for a window without spread.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ZScore {
public:
    // Window check on the period.
    static std::expected<ZScore, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit ZScore(MomentSums<2> sums) : sums_(std::move(sums)) {}

    MomentSums<2> sums_;
};

}  // namespace prynox
