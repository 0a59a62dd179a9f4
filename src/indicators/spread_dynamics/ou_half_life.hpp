#pragma once
// Ornstein-Uhlenbeck half-life of the spread close - reference: -ln 2 / b, where b is the
// least-squares slope of the spread's one-bar change on its level over the window; 0 when the
// spread does not revert (b >= 0) or its level does not vary.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/cores/spread_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kOuHalfLifePeriodMessage = "OU half-life needs period >= 3";

class OuHalfLife {
public:
    // A minimum of 3 with its own message, then MAX_PERIOD.
    static std::expected<OuHalfLife, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const { return window_.period(); }

    // The half-life of a full window s0 .. s(n-1).
    static OptionalValue of(std::span<const double> s);

private:
    explicit OuHalfLife(std::uint64_t period) : window_(period) {}

    SpreadWindow window_;
};

}  // namespace prynox
