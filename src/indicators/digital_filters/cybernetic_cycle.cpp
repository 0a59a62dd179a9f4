#include "indicators/digital_filters/cybernetic_cycle.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<CyberneticCycle, IndicatorError> CyberneticCycle::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return CyberneticCycle(period);
}

CyberneticCycle::CyberneticCycle(std::uint64_t period) {
    double a = 2.0 / (static_cast<double>(period) + 1.0);
    double half = 1.0 - a / 2.0;
    k_in_ = half * half;
    k_c1_ = 2.0 * (1.0 - a);
    k_c2_ = (1.0 - a) * (1.0 - a);
}

OptionalValue CyberneticCycle::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    double smooth = seen_ >= 3 ? (((x + 2.0 * p1_) + 2.0 * p2_) + p3_) / 6.0 : x;
    double cycle;
    if (seen_ >= 2) {
        cycle = (k_in_ * ((smooth - 2.0 * q1_) + q2_) + k_c1_ * c1_) - k_c2_ * c2_;
    } else {
        // Closes before the first count as the current one (here the close two back is
        // always missing).
        double p1 = seen_ >= 1 ? p1_ : x;
        cycle = ((x - 2.0 * p1) + x) / 4.0;
    }
    if (!(std::isfinite(smooth) && std::isfinite(cycle))) [[unlikely]]
        return std::nullopt;
    if (seen_ < 3) ++seen_;
    p3_ = p2_;
    p2_ = p1_;
    p1_ = x;
    q2_ = q1_;
    q1_ = smooth;
    c2_ = c1_;
    c1_ = cycle;
    return cycle;
}

}  // namespace prynox
