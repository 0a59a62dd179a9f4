#pragma once
// A commodity channel index whose centre is an adaptive average of the typical price: seeded
// with the window mean, then moved toward each new typical price by the square of a smoothing
// constant that follows the window's efficiency ratio (net move over path). Three passes over
// the window per candle (path, seed, deviation).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AdaptiveCci {
public:
    static constexpr const char* kShortPeriod = "adaptive CCI needs period >= 2";

    // Zero, then MAX_PERIOD, then the minimum of 2.
    static std::expected<AdaptiveCci, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    // p
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit AdaptiveCci(std::uint64_t period) : window_(period), p_(static_cast<double>(period)) {}

    RollingWindow<double> window_;
    double p_;
    double mean_ = 0.0;
    bool seeded_ = false;
};

}  // namespace prynox
