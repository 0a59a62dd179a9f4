#pragma once
// Heikin-Ashi candles of the bars (the step in cores/heikin_ashi_step.hpp): a bar whose
// Heikin-Ashi close overflows gives nothing and changes nothing.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/heikin_ashi_step.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class HeikinAshi {
public:
    static constexpr std::array<const char*, 4> kOutputNames{"open", "high", "low", "close"};

    // No parameters; never refused.
    static std::expected<HeikinAshi, IndicatorError> create() { return HeikinAshi(); }

    bool update_candle(const Candle& c, std::array<double, 4>& out);
    std::uint64_t warmup_period() const { return 1; }

private:
    HeikinAshiStep step_;
};

}  // namespace prynox
