#include "indicators/momentum/vertical_horizontal_filter.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<VerticalHorizontalFilter, IndicatorError> VerticalHorizontalFilter::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return VerticalHorizontalFilter(period);
}

std::uint64_t VerticalHorizontalFilter::warmup_period() const { return sat_add(changes_.capacity(), 1); }

OptionalValue VerticalHorizontalFilter::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!closes_.make_room() || !changes_.make_room()) [[unlikely]]
        return std::nullopt;
    if (has_previous_) {
        double a = std::fabs(x - previous_);
        // A change beyond the largest double gives no value and leaves the windows as they were;
        // the next change is still taken from this close.
        if (!std::isfinite(a)) [[unlikely]] {
            previous_ = x;
            return std::nullopt;
        }
        double path = path_;
        if (changes_.full()) {
            double old = changes_.oldest();
            path = path - old;
            if (old != 0.0) --moves_;
        }
        path = a + path;
        if (a != 0.0) ++moves_;
        (void)changes_.push(a);
        // Finite changes whose sum passes the largest double: the running sum is rebuilt from
        // the window until it is finite again, instead of carrying an infinity that
        // subtraction can never remove.
        if (!std::isfinite(path)) [[unlikely]]
            path = rebuild_path();
        path_ = path;
    }
    (void)closes_.push(x);
    previous_ = x;
    has_previous_ = true;
    if (!closes_.full() || !changes_.full()) return std::nullopt;
    if (moves_ == 0) return 0.0;
    if (!std::isfinite(path_)) [[unlikely]]
        return std::nullopt;
    if (path_ == 0.0) return 0.0;
    return (closes_.max() - closes_.min()) / path_;
}

double VerticalHorizontalFilter::rebuild_path() const {
    double s = -0.0;
    changes_.for_each([&s](double a) { s += a; });
    return s;
}

}  // namespace prynox
