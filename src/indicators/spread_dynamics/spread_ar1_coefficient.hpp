#pragma once
// First-order autocorrelation of the spread close - reference: the least-squares slope of the
// next spread on the current one over the window (not clamped); 0 when the spread does not vary.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/cores/spread_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSpreadAr1PeriodMessage = "AR(1) spread coefficient needs period >= 3";

class SpreadAr1Coefficient {
public:
    // A minimum of 3 with its own message, then MAX_PERIOD.
    static std::expected<SpreadAr1Coefficient, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    std::uint64_t warmup_period() const { return window_.period(); }

    // The coefficient of a full window s0 .. s(n-1).
    static OptionalValue of(std::span<const double> s);

private:
    explicit SpreadAr1Coefficient(std::uint64_t period) : window_(period) {}

    SpreadWindow window_;
};

}  // namespace prynox
