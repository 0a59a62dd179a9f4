#pragma once
// SuperTrend: bands m average true ranges either side of the candle's midpoint, the upper one
// only falling and the lower one only rising unless the last close broke through; the line is
// the lower band while the trend is up and the upper band while it is down.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class SuperTrend {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"value", "direction"};

    // The multiplier check on m, then the window check on n.
    static std::expected<SuperTrend, IndicatorError> create(std::uint64_t n, double m);

    // A bar whose bands leave the doubles gives nothing and leaves the bands as they were; its
    // true range still enters the average, as Atr takes it.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return atr_.period(); }

private:
    SuperTrend(std::uint64_t n, double m) : atr_(n), m_(m) {}

    AtrStage atr_;
    double m_;
    // The bands, close and direction of the last value.
    double upper_ = 0.0;
    double lower_ = 0.0;
    double close_ = 0.0;
    double direction_ = 0.0;
    bool has_bands_ = false;
};

}  // namespace prynox
