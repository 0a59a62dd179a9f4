#pragma once
// Kase permission stochastic: the raw stochastic of the last a candles (50 on a flat range),
// smoothed by an EMA of b (fast) and that again by an EMA of b (slow). The window's extremes come
// from monotone queues, the same values a scan of the window finds.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class KasePermissionStochastic {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"fast", "slow"};

    // Window check on the window, then on the smoothing period.
    static std::expected<KasePermissionStochastic, IndicatorError> create(std::uint64_t window,
                                                                          std::uint64_t smoothing);

    bool update_candle(const Candle& c, std::array<double, 2>& out) {
        if (!extremes_.push(c.high, c.low) || !extremes_.full()) [[unlikely]]
            return false;
        const double hh = extremes_.high(), ll = extremes_.low();
        const double range = hh - ll;
        const double raw = hh <= ll ? 50.0 : (100.0 * (c.close - ll)) / range;
        // A range beyond the doubles would give a raw value of 0 whatever the close. A finite raw
        // value lies in [0, 100] (the close is inside the window's range), so the stages stay
        // finite.
        if (!(std::isfinite(raw) && std::isfinite(range))) [[unlikely]]
            return false;
        const OptionalValue fast = fast_.step(raw);
        if (!fast) return false;
        const OptionalValue slow = slow_.step(*fast);
        if (!slow) return false;
        out = {*fast, *slow};
        return true;
    }
    // a + 2b - 2
    std::uint64_t warmup_period() const { return sat_add(extremes_.length(), 2 * fast_.period() - 2); }

private:
    KasePermissionStochastic(std::uint64_t window, std::uint64_t smoothing)
        : extremes_(window), fast_(smoothing), slow_(smoothing) {}

    HighLowExtremes extremes_;
    EmaStage fast_;
    EmaStage slow_;
};

}  // namespace prynox
