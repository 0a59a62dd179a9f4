#include "indicators/bands/starc_bands.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<StarcBands, IndicatorError> StarcBands::create(std::uint64_t sma_period, std::uint64_t atr_period,
                                                             double multiplier) {
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    if (auto e = check_window(sma_period)) return std::unexpected(*e);
    if (auto e = check_window(atr_period)) return std::unexpected(*e);
    return StarcBands(Sma(sma_period), atr_period, multiplier);
}

// The average and the ATR stage are independent, so the order they take the bar in changes no
// value; the ATR stage goes first so that a candle it refuses never reaches the average.
bool StarcBands::update_filling(const Candle& c, std::array<double, 3>& out) {
    const AtrStage atr_before = atr_;
    const auto a = atr_.step(c);
    if (!a && atr_.seed_count() == atr_before.seed_count()) return false;
    const bool full = average_.ring().full();
    const std::uint64_t count = average_.ring().count();
    const auto s = average_.update_value(c.close);
    if (!s && !full && average_.ring().count() == count) {  // the window could not grow
        atr_ = atr_before;
        return false;
    }
    if (!a || !s) return false;
    publish(*s, *a, out);
    return true;
}

}  // namespace prynox
