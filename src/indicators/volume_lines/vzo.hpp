#pragma once
// Volume zone oscillator: an exponential average of the signed volume (the volume on an up
// close, its negative on a down close, 0 on an unchanged one) over an exponential average of
// the volume, times 100; 0 when the volume average is 0. Both averages seed with the mean of
// their first n inputs, so the first value comes on the (n + 1)-th valid candle (the first only
// primes the close).
//
// A bar is taken by both averages or by neither: one whose seed sum or average would not be
// finite gives nothing and leaves both as they were; the next close is still compared with its
// close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Vzo {
public:
    // Window check on the period.
    static std::expected<Vzo, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    // period + 1
    std::uint64_t warmup_period() const;

private:
    explicit Vzo(std::uint64_t period) : signed_volume_(period), volume_(period) {}

    double previous_close_ = 0.0;
    bool has_previous_ = false;
    EmaStage signed_volume_;
    EmaStage volume_;
};

}  // namespace prynox
