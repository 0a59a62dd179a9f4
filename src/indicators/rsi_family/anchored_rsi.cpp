#include "indicators/rsi_family/anchored_rsi.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>

namespace prynox {

OptionalValue AnchoredRsi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    double c = x - previous_;
    // A change of the other sign (or none) adds +0.0, which leaves a sum as it is (neither sum
    // is ever -0.0); written so, the sign takes no branch.
    double gains = (c > 0.0 ? c : 0.0) + gains_;
    double losses = losses_ + (-c > 0.0 ? -c : 0.0);
    previous_ = x;
    if (!std::isfinite(gains) || !std::isfinite(losses)) return std::nullopt;
    gains_ = gains;
    losses_ = losses;
    if (losses == 0.0) return gains == 0.0 ? 50.0 : 100.0;
    return 100.0 - 100.0 / (gains / losses + 1.0);
}

}  // namespace prynox
