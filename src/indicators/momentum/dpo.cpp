#include "indicators/momentum/dpo.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Dpo, IndicatorError> Dpo::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Dpo(period);
}

Dpo::Dpo(std::uint64_t period)
    : window_(std::max(period / 2 + 2, period)), n_(period), nf_(static_cast<double>(period)),
      shift_(static_cast<std::size_t>(period / 2 + 1)) {}

OptionalValue Dpo::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!window_.make_room()) return std::nullopt;
    // Everything is formed before the window moves: a sum that would overflow refuses the bar,
    // since an infinite running sum could never come back by subtraction.
    std::size_t held = window_.size();
    double sum = x + sum_;
    if (held >= n_) sum = sum - window_.back(static_cast<std::size_t>(n_ - 1));
    std::uint64_t counter = counter_ + 1;
    if (counter >= n_) {
        // The newest min(length, N) closes, x included, oldest first from -0.0.
        std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(held + 1, n_));
        double s = -0.0;
        for (std::size_t k = count - 1; k-- > 0;) s += window_.back(k);
        sum = s + x;
        counter = 0;
    }
    if (!std::isfinite(sum)) [[unlikely]]
        return std::nullopt;
    (void)window_.push(x);
    sum_ = sum;
    counter_ = counter;
    if (!window_.full()) return std::nullopt;
    return window_.back(shift_) - sum / nf_;
}

}  // namespace prynox
