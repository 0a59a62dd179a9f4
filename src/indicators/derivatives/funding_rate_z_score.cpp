#include "indicators/derivatives/funding_rate_z_score.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"

namespace prynox {

std::expected<FundingRateZScore, IndicatorError> FundingRateZScore::create(std::uint64_t period) {
    auto sums = MomentSums<2>::create(period);
    if (!sums) return std::unexpected(sums.error());
    return FundingRateZScore(std::move(*sums));
}

OptionalValue FundingRateZScore::update_tick(const DerivativesTick& t) {
    const double x = t.funding_rate;
    if (!sums_.push(x) || !sums_.full()) return std::nullopt;
    double var = sums_.variance();
    if (var == 0.0) return 0.0;
    // A rate whose deviation squared overflows leaves sums that are not finite until the
    // re-anchoring after it has left; an infinite S2 would read as a z-score of 0.
    if (!std::isfinite(sums_.sum(1)) || !std::isfinite(sums_.sum(2))) [[unlikely]]
        return std::nullopt;
    // x - (K + m): the anchor plus the mean deviation.
    return finite_result((x - sums_.mean()) / std::sqrt(var));
}

}  // namespace prynox
