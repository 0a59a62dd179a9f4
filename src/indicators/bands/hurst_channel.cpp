#include "indicators/bands/hurst_channel.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<HurstChannel, IndicatorError> HurstChannel::create(std::uint64_t period, double multiplier) {
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    if (auto e = check_window(period)) return std::unexpected(*e);
    return HurstChannel(period, multiplier);
}

}  // namespace prynox
