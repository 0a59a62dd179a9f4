#include "indicators/risk_ratios/profit_factor.hpp"

#include <limits>

#include "indicators/cores/gain_loss_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue ProfitFactorFormula::operator()(const RollingWindow<double>& returns) const {
    GainLossTally t = GainLossTally::of(returns);
    // Sums that overflow: without a loss the value is plus infinity however large the gains, and
    // with no gain it is 0 however large the losses; only a ratio of two sums needs both.
    if (!t.finite()) [[unlikely]] {
        if (t.loss_count == 0) return std::numeric_limits<double>::infinity();
        if (t.gain_count == 0) return 0.0;
        return std::nullopt;
    }
    if (t.losses == 0.0) return t.gains == 0.0 ? 1.0 : std::numeric_limits<double>::infinity();
    return t.gains / t.losses;
}

}  // namespace prynox
