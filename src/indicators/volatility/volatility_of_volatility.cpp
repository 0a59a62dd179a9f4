#include "indicators/volatility/volatility_of_volatility.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

std::expected<VolatilityOfVolatility, IndicatorError> VolatilityOfVolatility::create(std::uint64_t returns_period,
                                                                                     std::uint64_t vol_period) {
    if (returns_period == 0 || vol_period == 0) return std::unexpected(IndicatorError::zero_period());
    if (returns_period < 2 || vol_period < 2)
        return std::unexpected(IndicatorError::invalid_period(kVolatilityOfVolatilityMessage));
    return VolatilityOfVolatility(returns_period, vol_period);
}

OptionalValue VolatilityOfVolatility::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    auto returns = returns_.prepare(*r);
    if (!returns) return std::nullopt;
    if (!returns_.full_after_push()) {
        returns_.commit(*returns);
        return std::nullopt;
    }
    // Both stages take the bar or neither does.
    double vol = std::sqrt(returns_.sample_variance(*returns));
    auto vols = vols_.prepare(vol);
    if (!vols) return std::nullopt;
    returns_.commit(*returns);
    vols_.commit(*vols);
    if (!vols_.full()) return std::nullopt;
    return std::sqrt(vols_.sample_variance());
}

}  // namespace prynox
