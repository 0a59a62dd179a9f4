#pragma once
// Elder ray: how far the high rises above (bull power) and the low falls below (bear power) an
// EMA of the close.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class ElderRay {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"bull_power", "bear_power"};

    // Window check on the period.
    static std::expected<ElderRay, IndicatorError> create(std::uint64_t period);

    // A power beyond the doubles (a high of 1e308 over an average of -1e308) is no value; the
    // average keeps the close, which is valid.
    bool update_candle(const Candle& c, std::array<double, 2>& out) {
        const OptionalValue ema = ema_.step(c.close);
        if (!ema) return false;
        const double bull = c.high - *ema, bear = c.low - *ema;
        if (!(std::isfinite(bull) && std::isfinite(bear))) [[unlikely]]
            return false;
        out = {bull, bear};
        return true;
    }
    // n
    std::uint64_t warmup_period() const { return ema_.period(); }

private:
    explicit ElderRay(std::uint64_t period) : ema_(period) {}
    EmaStage ema_;
};

}  // namespace prynox
