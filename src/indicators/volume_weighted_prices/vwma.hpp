#pragma once
// Volume-weighted moving average of the close over the last n candles (cores/vwma_step.hpp):
// the plain mean of the closes over a window without volume.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/vwma_step.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Vwma {
public:
    // Window check on the period.
    static std::expected<Vwma, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) { return vwma_step(state_, c.close, c.volume); }
    // n
    std::uint64_t warmup_period() const { return state_.period(); }

private:
    explicit Vwma(VwmaState state) : state_(std::move(state)) {}
    VwmaState state_;
};

}  // namespace prynox
