#include "indicators/bands/double_bollinger.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<DoubleBollinger, IndicatorError> DoubleBollinger::create(std::uint64_t period, double k_inner,
                                                                       double k_outer) {
    if (auto e = check_multiplier(k_inner)) return std::unexpected(*e);
    if (auto e = check_multiplier(k_outer)) return std::unexpected(*e);
    if (k_outer <= k_inner) return std::unexpected(IndicatorError::invalid_period(kDoubleBollingerOrderMessage));
    if (auto e = check_window(period)) return std::unexpected(*e);
    return DoubleBollinger(period, k_inner, k_outer);
}

bool DoubleBollinger::update_value(double close, std::array<double, 5>& out) {
    BollingerValue v;
    if (!core_.step(close, v)) return false;
    const double w = v.sd * k_inner_;
    out = {v.upper, v.middle + w, v.middle, v.middle - w, v.lower};
    return true;
}

}  // namespace prynox
