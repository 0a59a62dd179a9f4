#pragma once
// Reflex: the mean distance of the smoothed closes of the last `period` bars from the chord
// joining the oldest and the newest, normalised by its decaying root mean square.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/flex_core.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Reflex {
public:
    // Window check on the period.
    static std::expected<Reflex, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // period + 1
    std::uint64_t warmup_period() const { return core_.warmup_period(); }
    // Slots the window has allocated (it grows with the closes seen).
    std::size_t storage() const { return core_.window().storage(); }

private:
    explicit Reflex(std::uint64_t period) : core_(period), n_(static_cast<double>(period)) {}

    FlexCore core_;
    double n_;
};

}  // namespace prynox
