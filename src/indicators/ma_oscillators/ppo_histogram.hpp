#pragma once
// PPO histogram: the PPO minus its signal EMA. A PPO that is not finite stops the bar before the
// signal stage.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/ma_oscillators/ppo.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class PpoHistogram {
public:
    // The signal's window check first, then the PPO's checks.
    static std::expected<PpoHistogram, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                              std::uint64_t signal);

    OptionalValue update_value(double x) {
        auto p = ppo_.update_value(x);
        if (!p || !std::isfinite(*p)) return std::nullopt;
        auto s = signal_.step(*p);
        if (!s) return std::nullopt;
        return *p - *s;
    }
    // S + G - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_add(ppo_.slow_period(), signal_.period()), 1); }

private:
    PpoHistogram(Ppo ppo, std::uint64_t signal) : ppo_(ppo), signal_(signal) {}
    Ppo ppo_;
    EmaStage signal_;
};

}  // namespace prynox
