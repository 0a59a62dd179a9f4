#include "indicators/risk_ratios/expectancy.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Expectancy, IndicatorError> Expectancy::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Expectancy(period);
}

}  // namespace prynox
