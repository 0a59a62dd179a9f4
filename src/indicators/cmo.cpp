#include "indicators/cmo.hpp"

#include "indicators/period_checks.hpp"

namespace prynox {

std::expected<Cmo, IndicatorError> Cmo::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Cmo(period);
}

std::optional<double> Cmo::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    if (!changes_.make_room()) return std::nullopt;
    double c = x - previous_;
    previous_ = x;
    if (changes_.full()) {
        auto [old_up, old_down] = changes_.pop_front();
        up_sum_ -= old_up;
        down_sum_ -= old_down;
        if (old_up != 0.0 || old_down != 0.0) --nonzero_;
    }
    double up = c > 0.0 ? c : 0.0;
    double down = -c > 0.0 ? -c : 0.0;
    (void)changes_.push({up, down});  // room was made above
    up_sum_ = up + up_sum_;
    down_sum_ = down + down_sum_;
    if (up != 0.0 || down != 0.0) ++nonzero_;
    if (!changes_.full()) return std::nullopt;
    double total = up_sum_ + down_sum_;
    if (nonzero_ == 0 || total == 0.0) return 0.0;
    return ((up_sum_ - down_sum_) * 100.0) / total;
}

}  // namespace prynox
