#pragma once
// MACD over volume-weighted averages: the fast windowed VWMA of the close minus the slow one,
// with a signal EMA of the difference. Both averages take the same bars: a (close, volume) that
// either would refuse is refused by both.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/vwma_step.hpp"
#include "indicators/indicator_error.hpp"
#include "core/model/market.hpp"

namespace prynox {

class VolumeWeightedMacd {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"macd", "signal", "histogram"};

    // Zeros of all three, then fast < slow, then MAX_PERIOD on fast, slow and signal in turn.
    static std::expected<VolumeWeightedMacd, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                                    std::uint64_t signal);

    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        if (!fast_.ready_for(c.close, c.volume) || !slow_.ready_for(c.close, c.volume)) [[unlikely]]
            return false;
        auto fast = vwma_step(fast_, c.close, c.volume);
        auto slow = vwma_step(slow_, c.close, c.volume);
        if (!fast || !slow) return false;
        const double macd = *fast - *slow;
        if (!std::isfinite(macd)) [[unlikely]]
            return false;
        auto signal = signal_.step(macd);
        if (!signal) return false;
        out = {macd, *signal, macd - *signal};
        return true;
    }

    // slow + signal - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_add(slow_.period(), signal_.period()), 1); }

private:
    VolumeWeightedMacd(std::uint64_t fast, std::uint64_t slow, std::uint64_t signal)
        : fast_(fast), slow_(slow), signal_(signal) {}

    VwmaState fast_;
    VwmaState slow_;
    EmaStage signal_;
};

}  // namespace prynox
