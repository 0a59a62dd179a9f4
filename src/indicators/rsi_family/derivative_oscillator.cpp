#include "indicators/rsi_family/derivative_oscillator.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<DerivativeOscillator, IndicatorError> DerivativeOscillator::create(std::uint64_t rsi_period,
                                                                                 std::uint64_t first_smoothing,
                                                                                 std::uint64_t second_smoothing,
                                                                                 std::uint64_t signal_period) {
    if (rsi_period == 0 || first_smoothing == 0 || second_smoothing == 0 || signal_period == 0)
        return std::unexpected(IndicatorError::zero_period());
    auto rsi = Rsi::create(rsi_period);
    if (!rsi) return std::unexpected(rsi.error());
    for (std::uint64_t p : {first_smoothing, second_smoothing, signal_period})
        if (auto e = check_max_period(p)) return std::unexpected(*e);
    return DerivativeOscillator(*rsi, first_smoothing, second_smoothing, signal_period);
}

DerivativeOscillator::DerivativeOscillator(Rsi rsi, std::uint64_t p, std::uint64_t q, std::uint64_t s)
    : rsi_(rsi), first_(p), second_(q), signal_(s),
      // Every length is at most MAX_PERIOD here, so the sum cannot wrap; saturating anyway.
      warmup_(sat_sub(sat_add(sat_add(rsi.period(), p), sat_add(q, s)), 2)) {}

OptionalValue DerivativeOscillator::update_value(double x) {
    auto r = rsi_.update_value(x);  // rejects a non-finite x itself
    if (!r || !std::isfinite(*r)) return std::nullopt;
    auto e1 = first_.step(*r);
    if (!e1 || !std::isfinite(*e1)) return std::nullopt;
    auto e2 = second_.step(*e1);
    if (!e2) return std::nullopt;
    auto s = signal_.update_value(*e2);
    if (!s) return std::nullopt;
    return *e2 - *s;
}

}  // namespace prynox
