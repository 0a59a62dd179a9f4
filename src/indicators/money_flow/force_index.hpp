#pragma once
// Force index: the EMA over n of the volume times the change of the close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ForceIndex {
public:
    // Window check on n.
    static std::expected<ForceIndex, IndicatorError> create(std::uint64_t n);

    // A force that is not finite gives nothing and leaves the average as it was; the close is
    // kept all the same.
    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const;

private:
    explicit ForceIndex(std::uint64_t n) : average_(n) {}

    OptionalValue previous_close_;
    EmaStage average_;
};

}  // namespace prynox
