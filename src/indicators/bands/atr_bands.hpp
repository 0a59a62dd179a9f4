#pragma once
// Bands m average true ranges above and below the bar's own close.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class AtrBands {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The multiplier check, then the window check of the ATR period.
    static std::expected<AtrBands, IndicatorError> create(std::uint64_t period, double multiplier);

    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        const auto a = atr_.step(c);
        if (!a) return false;
        const double w = *a * m_;
        out = {c.close + w, c.close, c.close - w};
        return true;
    }
    std::uint64_t warmup_period() const { return atr_.period(); }

private:
    AtrBands(std::uint64_t period, double multiplier) : atr_(period), m_(multiplier) {}

    AtrStage atr_;
    double m_;
};

}  // namespace prynox
