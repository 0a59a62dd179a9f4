#include "indicators/pair_statistics/information_ratio.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<InformationRatio, IndicatorError> InformationRatio::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kInformationRatioPeriodMessage)) return std::unexpected(*e);
    return InformationRatio(period);
}

OptionalValue InformationRatio::update_pair(double close, double reference) {
    double d = close - reference;
    if (!std::isfinite(d)) [[unlikely]]
        return std::nullopt;
    auto m = differences_.push(d);
    if (!m) return std::nullopt;
    if (m->variance == 0.0) return 0.0;
    return finite_result(m->mean / std::sqrt(m->variance));
}

}  // namespace prynox
