#pragma once
// Fractal adaptive moving average: the fractal dimension of the last N closes, measured from
// the ranges of both halves and of the whole window, sets the EMA factor (trends smooth
// little, noise a lot).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kFramaMinimumMessage = "FRAMA period must be at least 2";
inline constexpr const char* kFramaEvenMessage = "FRAMA period must be even";

class Frama {
public:
    // Zero, the maximum, at least 2, even: in that order.
    static std::expected<Frama, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return period_; }

private:
    explicit Frama(std::uint64_t period)
        : period_(period), half_(period / 2), n_(static_cast<double>(period)), h_(static_cast<double>(half_)),
          recent_(half_), newer_(half_), older_(half_) {}

    std::uint64_t period_;
    std::uint64_t half_;
    double n_;
    double h_;
    // The newest N/2 closes, to hand the close that crosses from the newer half to the older.
    RollingWindow<double> recent_;
    // Extremes of the newest N/2 closes and of the N/2 before them, each O(1) amortised.
    WindowExtremes newer_;
    WindowExtremes older_;
    OptionalValue last_;
};

}  // namespace prynox
