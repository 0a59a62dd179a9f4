#include "indicators/spread_dynamics/spread_bollinger_bands.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SpreadBollingerBands, IndicatorError> SpreadBollingerBands::create(std::uint64_t period,
                                                                                  double num_std) {
    if (auto e = check_minimum(period, 2, kSpreadBollingerPeriodMessage)) return std::unexpected(*e);
    if (!(std::isfinite(num_std) && num_std > 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kSpreadBollingerNumStdMessage));
    return SpreadBollingerBands(period, num_std);
}

bool SpreadBollingerBands::update_pair(double close, double reference, std::array<double, 4>& out) {
    const double s = close - reference;
    if (!std::isfinite(s)) [[unlikely]]
        return false;
    auto next = window_.prepare(s);
    if (!next) [[unlikely]]
        return false;
    window_.commit(*next);
    if (!window_.full()) return false;
    // A window of equal spreads is its own mean with no width, whatever the sums' last bits say.
    const bool constant = window_.sums().equal_run >= window_.length();
    const double middle = constant ? s : window_.mean();
    const double w = std::sqrt(window_.population_variance()) * num_std_;
    const double upper = middle + w, lower = middle - w;
    // A width too small to separate the bands (num_std 5e-324) is a zero width.
    const double width = upper - lower;
    const double percent_b = w == 0.0 || width == 0.0 ? 0.5 : (s - lower) / width;
    if (!(std::isfinite(upper) && std::isfinite(lower) && std::isfinite(percent_b))) [[unlikely]]
        return false;
    out = {middle, upper, lower, percent_b};
    return true;
}

}  // namespace prynox
