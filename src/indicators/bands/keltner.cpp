#include "indicators/bands/keltner.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Keltner, IndicatorError> Keltner::create(std::uint64_t ema_period, std::uint64_t atr_period,
                                                       double multiplier) {
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    if (auto e = check_window(ema_period)) return std::unexpected(*e);
    if (auto e = check_window(atr_period)) return std::unexpected(*e);
    return Keltner(ema_period, atr_period, multiplier);
}

// The two stages are independent, so the order they take the bar in changes no value; the ATR
// stage goes first so that a candle it refuses never reaches the EMA.
bool Keltner::update_filling(const Candle& c, std::array<double, 3>& out) {
    const AtrStage atr_before = atr_;
    const auto a = atr_.step(c);
    if (!a && atr_.seed_count() == atr_before.seed_count()) return false;
    const bool ema_seeded = ema_.seeded();
    const std::uint64_t ema_count = ema_.seed_count();
    const auto e = ema_.step(c.close);
    if (!e && !ema_seeded && ema_.seed_count() == ema_count) {
        atr_ = atr_before;
        return false;
    }
    if (!a || !e) return false;
    publish(*e, *a, out);
    return true;
}

}  // namespace prynox
