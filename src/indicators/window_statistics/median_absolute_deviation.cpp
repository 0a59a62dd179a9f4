#include "indicators/window_statistics/median_absolute_deviation.hpp"

#include <cmath>
#include <new>
#include <span>
#include <stdexcept>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/sorted_abs_deviations.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {

double median_of_sorted(std::span<const double> v) {
    std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : midpoint(v[n / 2 - 1], v[n / 2]);
}

}  // namespace

std::expected<MedianAbsoluteDeviation, IndicatorError> MedianAbsoluteDeviation::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MedianAbsoluteDeviation(period);
}

OptionalValue MedianAbsoluteDeviation::update_value(double x) {
    if (!std::isfinite(x) || !window_.push(x) || !window_.full()) return std::nullopt;
    auto sorted = window_.sorted();
    // Sized once, when the window first fills, so the merge never allocates.
    if (deviations_.capacity() < sorted.size()) {
        try {
            deviations_.reserve(sorted.size());
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        } catch (const std::length_error&) {
            return std::nullopt;
        }
    }
    sorted_abs_deviations(sorted, median_of_sorted(sorted), deviations_);
    return finite_result(median_of_sorted(deviations_));
}

}  // namespace prynox
