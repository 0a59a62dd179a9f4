#include "indicators/window_statistics/z_score.hpp"

#include <cmath>
#include <utility>

#include "indicators/cores/finite_result.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<ZScore, IndicatorError> ZScore::create(std::uint64_t period) {
    auto sums = MomentSums<2>::create(period);
    if (!sums) return std::unexpected(sums.error());
    return ZScore(std::move(*sums));
}

OptionalValue ZScore::update_value(double x) {
    if (!std::isfinite(x) || !sums_.push(x) || !sums_.full()) return std::nullopt;
    double var = sums_.variance();
    if (var == 0.0) return 0.0;
    return finite_result((x - sums_.mean()) / std::sqrt(var));
}

}  // namespace prynox
