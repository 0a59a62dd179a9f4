#include "indicators/channels/lin_reg_channel.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<LinRegChannel, IndicatorError> LinRegChannel::create(std::uint64_t period, double multiplier) {
    if (auto e = check_minimum(period, 2, kShortPeriod)) return std::unexpected(*e);
    if (auto e = check_multiplier(multiplier)) return std::unexpected(*e);
    return LinRegChannel(period, multiplier);
}

}  // namespace prynox
