#pragma once
// STARC bands: the simple average of the close as the middle, bands m average true ranges
// either side.
#include <algorithm>
#include <array>
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class StarcBands {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"upper", "middle", "lower"};

    // The multiplier check, then the window checks of the average and the ATR periods.
    static std::expected<StarcBands, IndicatorError> create(std::uint64_t sma_period, std::uint64_t atr_period,
                                                            double multiplier);

    // A candle the ATR stage refuses (a range beyond the doubles) reaches neither average (the
    // stage still takes its close as the previous one).
    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        if (!(atr_.seeded() && average_.ring().full())) [[unlikely]]
            return update_filling(c, out);
        const auto a = atr_.step(c);
        if (!a) [[unlikely]]
            return false;
        publish(*average_.update_value(c.close), *a, out);
        return true;
    }
    std::uint64_t warmup_period() const { return std::max(average_.period(), atr_.period()); }

private:
    StarcBands(Sma average, std::uint64_t atr_period, double multiplier)
        : average_(std::move(average)), atr_(atr_period), m_(multiplier) {}

    [[gnu::noinline]] bool update_filling(const Candle& c, std::array<double, 3>& out);
    void publish(double s, double a, std::array<double, 3>& out) const {
        const double w = a * m_;
        out = {s + w, s, s - w};
    }

    Sma average_;
    AtrStage atr_;
    double m_;
};

}  // namespace prynox
