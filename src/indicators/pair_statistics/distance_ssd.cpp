#include "indicators/pair_statistics/distance_ssd.hpp"

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<DistanceSsd, IndicatorError> DistanceSsd::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kDistanceSsdPeriodMessage)) return std::unexpected(*e);
    return DistanceSsd(period);
}

OptionalValue DistanceSsd::update_pair(double close, double reference) {
    if (!pairs_.push(XY{close, reference})) return std::nullopt;
    if (!pairs_.full()) return std::nullopt;
    const XY start = pairs_.oldest();
    if (start.x == 0.0 || start.y == 0.0) return 0.0;
    double sum = 0.0;
    pairs_.for_each([&](const XY& p) {
        double d = p.x / start.x - p.y / start.y;
        sum += d * d;
    });
    return finite_result(sum);
}

}  // namespace prynox
