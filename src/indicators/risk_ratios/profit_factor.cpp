#include "indicators/risk_ratios/profit_factor.hpp"

#include <limits>

#include "indicators/cores/gain_loss_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue ProfitFactorFormula::operator()(const RollingWindow<double>& returns) const {
    GainLossTally t = GainLossTally::of(returns);
    if (!t.finite()) [[unlikely]]
        return std::nullopt;
    if (t.losses == 0.0) return t.gains == 0.0 ? 1.0 : std::numeric_limits<double>::infinity();
    return t.gains / t.losses;
}

}  // namespace prynox
