#pragma once
// Normalised average true range: 100 ATR / close, 0 on a close of 0.
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Natr {
public:
    // Window check on the period.
    static std::expected<Natr, IndicatorError> create(std::uint64_t period);

    // A ratio that overflows (a close near 0 under a large average) is no value for that
    // candle; the average goes on.
    OptionalValue update_candle(const Candle& c) {
        const OptionalValue atr = stage_.step(c);
        if (!atr) return {};
        const double value = c.close == 0.0 ? 0.0 : (100.0 * *atr) / c.close;
        if (!std::isfinite(value)) [[unlikely]]
            return {};
        return value;
    }
    // n
    std::uint64_t warmup_period() const { return stage_.period(); }

private:
    explicit Natr(std::uint64_t period) : stage_(period) {}
    AtrStage stage_;
};

}  // namespace prynox
