#include "indicators/digital_filters/empirical_mode_decomposition.hpp"

#include <bit>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<EmpiricalModeDecomposition, IndicatorError> EmpiricalModeDecomposition::create(std::uint64_t period,
                                                                                             double fraction) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(fraction) && fraction > 0.0 && fraction <= 1.0))
        return std::unexpected(IndicatorError::invalid_period(kEmdFractionMessage));
    return EmpiricalModeDecomposition(period, fraction);
}

OptionalValue EmpiricalModeDecomposition::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.make_room()) [[unlikely]]
        return std::nullopt;
    double b1 = bandpass_.b1();
    double b2 = bandpass_.b2();
    double b = bandpass_.next(x);
    if (!std::isfinite(b)) [[unlikely]]
        return std::nullopt;
    double sum = window_.full() ? (sum_ + b) - window_.oldest() : sum_ + b;
    if (!std::isfinite(sum)) [[unlikely]]
        return std::nullopt;
    bool repeats = !window_.empty() && std::bit_cast<std::uint64_t>(b) == std::bit_cast<std::uint64_t>(window_.newest());

    if (b1 > b && b1 > b2) peak_ = b1;
    if (b1 < b && b1 < b2) valley_ = b1;
    (void)window_.push(b);
    bandpass_.commit(x, b);
    sum_ = sum;
    equal_run_ = repeats ? sat_add(equal_run_, 1) : 1;
    if (extrema_held_ < kExtremaLength) ++extrema_held_;

    if (!(window_.full() && extrema_held_ >= kExtremaLength)) return std::nullopt;
    return equal_run_ >= window_.capacity() ? b : sum / length_;
}

}  // namespace prynox
