#pragma once
// RSI over everything since the first bar: cumulative gains G and losses L, 100 - 100 / (G / L + 1).
#include <optional>
#include <expected>
#include <cstdint>
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AnchoredRsi {
public:
    // No parameters and no checks.
    static std::expected<AnchoredRsi, IndicatorError> create() { return AnchoredRsi{}; }

    // A sum that would overflow refuses the bar and leaves the sums as they were; the next change
    // is still taken from its close.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 2; }

private:
    double previous_ = 0.0;
    bool has_previous_ = false;
    double gains_ = 0.0;
    double losses_ = 0.0;
};

}  // namespace prynox
