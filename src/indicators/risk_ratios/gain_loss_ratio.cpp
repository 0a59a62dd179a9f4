#include "indicators/risk_ratios/gain_loss_ratio.hpp"

#include <cmath>
#include <limits>

#include "indicators/cores/gain_loss_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue GainLossRatioFormula::operator()(const RollingWindow<double>& returns) const {
    GainLossTally t = GainLossTally::of(returns);
    // Sums that overflow: without a loss the value is plus infinity however large the gains, and
    // with no gain it is 0 however large the losses; only a ratio of two averages needs both.
    if (!t.finite()) [[unlikely]] {
        if (t.loss_count == 0) return std::numeric_limits<double>::infinity();
        if (t.gain_count == 0) return 0.0;
        return std::nullopt;
    }
    double average_gain = t.gain_count == 0 ? 0.0 : t.gains / static_cast<double>(t.gain_count);
    if (t.loss_count == 0) return t.gain_count == 0 ? 1.0 : std::numeric_limits<double>::infinity();
    double value = average_gain / (t.losses / static_cast<double>(t.loss_count));
    // Subnormal losses can average to 0, and 0 / 0 is no ratio.
    if (std::isnan(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
