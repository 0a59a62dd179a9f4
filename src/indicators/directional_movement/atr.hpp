#pragma once
// Average true range: Wilder's average of the true range, seeded with the mean of the first n.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Atr {
public:
    // Window check on the period.
    static std::expected<Atr, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c) { return stage_.step(c); }
    // n
    std::uint64_t warmup_period() const { return stage_.period(); }

private:
    explicit Atr(std::uint64_t period) : stage_(period) {}
    AtrStage stage_;
};

}  // namespace prynox
