#include "indicators/rsi_family/rsi.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Rsi, IndicatorError> Rsi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Rsi(period);
}

OptionalValue Rsi::update_rare(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!has_previous_) {
        previous_ = x;
        has_previous_ = true;
        return std::nullopt;
    }
    if (seeded_) return update_value(x);
    double c = x - previous_;
    if (!std::isfinite(c)) {
        previous_ = x;
        return std::nullopt;
    }
    double gain = c > 0.0 ? c : 0.0;
    double loss = -c > 0.0 ? -c : 0.0;  // the same test as the gain's: no branch on the sign
    double seed_gain = seed_gain_ + gain;
    double seed_loss = seed_loss_ + loss;
    // The means the seed will end with. Sums whose means would overflow the value are refused
    // at every seeding step, so the seed can always complete.
    double n = static_cast<double>(period_);
    double avg_gain = seed_gain / n;
    double avg_loss = seed_loss / n;
    double s = avg_gain + avg_loss;
    previous_ = x;
    if (!std::isfinite(s) || !std::isfinite(avg_gain * 100.0)) return std::nullopt;
    seed_gain_ = seed_gain;
    seed_loss_ = seed_loss;
    if (++seed_count_ < period_) return std::nullopt;
    averages_ = DoublePair{avg_gain, avg_loss};
    seeded_ = true;
    return s == 0.0 ? 50.0 : at_most_100((avg_gain * 100.0) / s);
}

}  // namespace prynox
