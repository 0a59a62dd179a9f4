#pragma once
// Coppock curve: the weighted average of the sum of two rates of change of the close.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/momentum/roc.hpp"
#include "indicators/moving_averages/wma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Coppock {
public:
    // Any zero first, then the three periods against MAX_PERIOD in order.
    static std::expected<Coppock, IndicatorError> create(std::uint64_t roc1, std::uint64_t roc2, std::uint64_t wma);

    OptionalValue update_value(double x);
    // max(A, B) + W
    std::uint64_t warmup_period() const;

private:
    Coppock(std::uint64_t roc1, std::uint64_t roc2, std::uint64_t wma) : a_(roc1), b_(roc2), wma_(wma) {}

    Roc a_;
    Roc b_;
    Wma wma_;
};

}  // namespace prynox
