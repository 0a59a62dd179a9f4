#pragma once
// ATR ratchet: a stop placed a average true ranges from the close that moves s average true
// ranges toward the price on every later bar, whether price moves or not, and restarts a ATRs
// on the other side of the close when the close crosses it.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class AtrRatchet {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"value", "direction"};

    // The multiplier check on a, then on s, then the window check on n.
    static std::expected<AtrRatchet, IndicatorError> create(std::uint64_t n, double a, double s);

    // A bar whose stop leaves the doubles gives nothing and leaves the stop as it was; its true
    // range still enters the average, as Atr takes it.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return atr_.period(); }

private:
    AtrRatchet(std::uint64_t n, double a, double s) : atr_(n), a_(a), s_(s) {}

    AtrStage atr_;
    double a_;
    double s_;
    double direction_ = 0.0;  // 0 until the first value
    double line_ = 0.0;
};

}  // namespace prynox
