#include "indicators/rvi_volatility.hpp"

#include <cmath>

#include "indicators/fused.hpp"
#include "indicators/invariant.hpp"
#include "indicators/period_checks.hpp"

namespace prynox {

std::expected<RviVolatility, IndicatorError> RviVolatility::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (period < 2) return std::unexpected(IndicatorError::invalid_period(kRviPeriodMessage));
    return RviVolatility(period);
}

std::optional<double> RviVolatility::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    auto next = window_.prepare(x);
    if (!next) return std::nullopt;
    if (!window_.full_after_push()) {
        window_.commit(x, *next);
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    double sd = std::sqrt(window_.population_variance(*next));
    require(has_previous_, "prev_close is set on every input before this point");
    double up = x > previous_ ? sd : 0.0;
    double down = x < previous_ ? sd : 0.0;
    window_.commit(x, *next);
    previous_ = x;
    if (averaged_) {
        up_ = fused_multiply_add(up_, n_minus_1_, up) / n_;
        down_ = fused_multiply_add(down_, n_minus_1_, down) / n_;
    } else {
        up_ += up;
        down_ += down;
        if (++seeds_ < window_.length()) return std::nullopt;
        up_ = up_ / n_;
        down_ = down_ / n_;
        averaged_ = true;
    }
    double total = up_ + down_;
    if (total == 0.0) return 50.0;
    return (100.0 * up_) / total;
}

}  // namespace prynox
