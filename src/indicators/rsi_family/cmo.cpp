#include "indicators/rsi_family/cmo.hpp"

#include <algorithm>

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Cmo, IndicatorError> Cmo::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Cmo(period);
}

OptionalValue Cmo::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    if (!changes_.make_room()) return std::nullopt;
    double c = x - previous_;
    double up = c > 0.0 ? c : 0.0;
    double down = -c > 0.0 ? -c : 0.0;
    // The sums are worked out before anything moves: a change or a sum that overflows refuses
    // the bar and leaves the window as it was, so it cannot leave U or D infinite for good; the
    // next change is still taken from this close.
    bool evicts = changes_.full();
    auto [old_up, old_down] = evicts ? changes_.oldest() : std::pair{0.0, 0.0};
    double up_sum = up + (evicts ? up_sum_ - old_up : up_sum_);
    double down_sum = down + (evicts ? down_sum_ - old_down : down_sum_);
    // Sums whose value would overflow are refused too, while filling as well, so the window
    // never holds moves it cannot report.
    previous_ = x;
    if (!std::isfinite(up_sum + down_sum) || !std::isfinite((up_sum - down_sum) * 100.0)) return std::nullopt;
    if (evicts) {
        (void)changes_.pop_front();
        ups_ -= old_up != 0.0 ? 1 : 0;
        downs_ -= old_down != 0.0 ? 1 : 0;
    }
    (void)changes_.push({up, down});  // room was made above
    up_sum_ = up_sum;
    down_sum_ = down_sum;
    ups_ += up != 0.0 ? 1 : 0;
    downs_ += down != 0.0 ? 1 : 0;
    if (!changes_.full()) return std::nullopt;
    // The running sums keep their residue (later values depend on it); only the quotient reads
    // a side without moves as 0.
    double u = ups_ == 0 ? 0.0 : up_sum_;
    double d = downs_ == 0 ? 0.0 : down_sum_;
    double total = u + d;
    if (total == 0.0) return 0.0;
    // A quotient of a sum over itself can round one unit past 100, and a side whose moves are
    // smaller than the residue of those that left can take it further: the range holds.
    return std::clamp(((u - d) * 100.0) / total, -100.0, 100.0);
}

}  // namespace prynox
