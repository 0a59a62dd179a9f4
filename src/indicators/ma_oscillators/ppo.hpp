#pragma once
// Percentage price oscillator: (fast EMA - slow EMA) as a percentage of the slow EMA, 0 when the
// slow EMA is 0.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPpoOrderMessage = "PPO fast period must be < slow period";

class Ppo {
public:
    // Zeros, then fast < slow, then MAX_PERIOD on the slow period (the fast one is below it).
    static std::expected<Ppo, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto p = pair_.step(x);
        if (!p) return std::nullopt;
        return p->slow == 0.0 ? 0.0 : ((p->fast - p->slow) * 100.0) / p->slow;
    }
    // S
    std::uint64_t warmup_period() const { return pair_.slow_period(); }
    std::uint64_t slow_period() const { return pair_.slow_period(); }

private:
    Ppo(std::uint64_t fast, std::uint64_t slow) : pair_(fast, slow) {}
    EmaPair pair_;
};

}  // namespace prynox
