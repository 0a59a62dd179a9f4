#include "indicators/digital_filters/instantaneous_trendline.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<InstantaneousTrendline, IndicatorError> InstantaneousTrendline::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return InstantaneousTrendline(period);
}

InstantaneousTrendline::InstantaneousTrendline(std::uint64_t period) {
    double a = 2.0 / (static_cast<double>(period) + 1.0);
    double a2 = a * a;
    k_x_ = a - a2 / 4.0;
    k_p1_ = a2 / 2.0;
    k_p2_ = a - 0.75 * a2;
    k_it1_ = 2.0 * (1.0 - a);
    k_it2_ = (1.0 - a) * (1.0 - a);
}

OptionalValue InstantaneousTrendline::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double it;
    if (seen_ < kAverageCloses) {
        // Closes before the first count as the current one.
        double p1 = seen_ >= 1 ? p1_ : x;
        double p2 = seen_ >= 2 ? p2_ : x;
        it = ((x + 2.0 * p1) + p2) / 4.0;
    } else {
        it = (((k_x_ * x + k_p1_ * p1_) - k_p2_ * p2_) + k_it1_ * it1_) - k_it2_ * it2_;
    }
    if (!std::isfinite(it)) [[unlikely]]
        return std::nullopt;
    if (seen_ < kAverageCloses) ++seen_;
    p2_ = p1_;
    p1_ = x;
    it2_ = it1_;
    it1_ = it;
    return it;
}

}  // namespace prynox
