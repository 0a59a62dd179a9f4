#include "indicators/ma_oscillators/elder_impulse.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ElderImpulse, IndicatorError> ElderImpulse::create(std::uint64_t trend, std::uint64_t fast,
                                                                 std::uint64_t slow, std::uint64_t signal) {
    if (auto e = check_window(trend)) return std::unexpected(*e);
    auto macd = MacdHistogram::create(fast, slow, signal);
    if (!macd) return std::unexpected(macd.error());
    return ElderImpulse(EmaStage(trend), *macd);
}

}  // namespace prynox
