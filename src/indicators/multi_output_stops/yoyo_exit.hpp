#pragma once
// Yo-yo exit, long only: a line k average true ranges below the close that only rises while
// armed; a close under it fires the exit and the line stays, until a close more than k ATRs
// above the line re-arms it k ATRs below that close. One value: the line.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class YoyoExit {
public:
    // The multiplier check on k, then the window check on n.
    static std::expected<YoyoExit, IndicatorError> create(std::uint64_t n, double k);

    // A bar whose distance or line leaves the doubles gives nothing and leaves the line and the
    // flag as they were; its true range still enters the average, as Atr takes it.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return atr_.period(); }

private:
    YoyoExit(std::uint64_t n, double k) : atr_(n), k_(k) {}

    AtrStage atr_;
    double k_;
    double line_ = 0.0;
    bool has_line_ = false;
    bool armed_ = true;
};

}  // namespace prynox
