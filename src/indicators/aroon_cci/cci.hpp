#pragma once
// Commodity channel index of the typical price over the last p candles.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/cci_step.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Cci {
public:
    // Window check on the period.
    static std::expected<Cci, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) { return core_.step(c); }
    // p
    std::uint64_t warmup_period() const { return core_.period(); }

private:
    explicit Cci(std::uint64_t period) : core_(period) {}
    CciCore core_;
};

}  // namespace prynox
