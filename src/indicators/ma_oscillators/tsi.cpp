#include "indicators/ma_oscillators/tsi.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Tsi, IndicatorError> Tsi::create(std::uint64_t long_period, std::uint64_t short_period) {
    if (long_period == 0 || short_period == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(long_period)) return std::unexpected(*e);
    if (auto e = check_max_period(short_period)) return std::unexpected(*e);
    return Tsi(long_period, short_period);
}

OptionalValue Tsi::update_value(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        return std::nullopt;
    if (!has_previous_) [[unlikely]] {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    double m = x - previous_;
    previous_ = x;
    if (!std::isfinite(m)) [[unlikely]]
        return std::nullopt;
    // The momentum chain may come up short on this bar; the magnitude chain still steps.
    OptionalValue a2;
    auto a1 = momentum_long_.step(m);
    if (a1 && std::isfinite(*a1)) a2 = momentum_short_.step(*a1);
    auto b1 = absolute_long_.step(std::fabs(m));
    if (!b1 || !std::isfinite(*b1)) return std::nullopt;
    auto b2 = absolute_short_.step(*b1);
    if (!b2 || !a2) return std::nullopt;
    return *b2 == 0.0 ? 0.0 : (*a2 * 100.0) / *b2;
}

}  // namespace prynox
