#pragma once
// ADX rating: the midpoint of the current ADX and the one of n - 1 candles earlier. The ring of
// ADX values grows with the data up to n.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/dmi_step.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Adxr {
public:
    // Window check on the period.
    static std::expected<Adxr, IndicatorError> create(std::uint64_t period);

    // A candle the ring cannot make room for gives nothing and changes nothing.
    OptionalValue update_candle(const Candle& c);
    // 3n - 1
    std::uint64_t warmup_period() const;

private:
    explicit Adxr(std::uint64_t period) : dmi_(period), adx_(period) {}
    DmiStep dmi_;
    RollingWindow<double> adx_;
};

}  // namespace prynox
