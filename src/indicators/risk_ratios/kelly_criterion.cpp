#include "indicators/risk_ratios/kelly_criterion.hpp"

#include <cmath>

#include "indicators/cores/gain_loss_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue KellyCriterionFormula::operator()(const RollingWindow<double>& returns) const {
    GainLossTally t = GainLossTally::of(returns);
    double p = static_cast<double>(t.gain_count) / static_cast<double>(returns.capacity());
    if (t.loss_count == 0) return p;
    if (t.gain_count == 0) return -1.0;
    // Only the ratio of the averages reads the sums; the counts above hold whatever their size.
    if (!t.finite()) [[unlikely]]
        return std::nullopt;
    double b = (t.gains / static_cast<double>(t.gain_count)) / (t.losses / static_cast<double>(t.loss_count));
    double value = p - (1.0 - p) / b;
    // An average gain that underflows to 0 would divide by zero.
    if (!std::isfinite(value)) [[unlikely]]
        return std::nullopt;
    return value;
}

}  // namespace prynox
