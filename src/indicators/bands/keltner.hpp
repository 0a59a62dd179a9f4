#pragma once
// Keltner channel: the EMA of the close as the middle, bands m average true ranges either side.
#include <algorithm>
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class Keltner {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The multiplier check, then the window checks of the EMA and the ATR periods.
    static std::expected<Keltner, IndicatorError> create(std::uint64_t ema_period, std::uint64_t atr_period,
                                                         double multiplier);

    // A candle the ATR stage refuses (a range beyond the doubles) reaches neither average (the
    // stage still takes its close as the previous one); one the seeding EMA refuses changes
    // neither stage.
    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        if (!(atr_.seeded() && ema_.seeded())) [[unlikely]]
            return update_filling(c, out);
        const auto a = atr_.step(c);
        if (!a) [[unlikely]]
            return false;
        publish(*ema_.step(c.close), *a, out);
        return true;
    }
    std::uint64_t warmup_period() const { return std::max(ema_.period(), atr_.period()); }

private:
    Keltner(std::uint64_t ema_period, std::uint64_t atr_period, double multiplier)
        : atr_(atr_period), ema_(ema_period), m_(multiplier) {}

    [[gnu::noinline]] bool update_filling(const Candle& c, std::array<double, 3>& out);
    void publish(double e, double a, std::array<double, 3>& out) const {
        const double w = a * m_;
        out = {e + w, e, e - w};
    }

    AtrStage atr_;
    EmaStage ema_;
    double m_;
};

}  // namespace prynox
