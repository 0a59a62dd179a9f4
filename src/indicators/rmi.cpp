#include "indicators/rmi.hpp"

#include <cmath>

#include "indicators/saturating.hpp"

namespace prynox {

std::expected<Rmi, IndicatorError> Rmi::create(std::uint64_t period, std::uint64_t momentum) {
    if (period == 0 || momentum == 0) return std::unexpected(IndicatorError::zero_period());
    return Rmi(period, momentum);
}

std::uint64_t Rmi::warmup_period() const { return sat_add(period_, closes_.capacity()); }

std::optional<double> Rmi::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    if (!closes_.full()) {
        if (!closes_.push(x)) return std::nullopt;
        return std::nullopt;
    }
    // Worked out first and stored only when finite: a change or an average that overflows
    // refuses the bar like a non-finite close.
    double c = x - closes_.oldest();
    if (!std::isfinite(c)) return std::nullopt;
    double gain = c > 0.0 ? c : 0.0;
    double loss = -c > 0.0 ? -c : 0.0;  // the same test as the gain's: no branch on the sign
    double seed_gain = seed_gain_;
    double seed_loss = seed_loss_;
    std::uint64_t seed_count = seed_count_;
    double avg_gain = avg_gain_;
    double avg_loss = avg_loss_;
    if (!seeded_) {
        seed_gain = seed_gain + gain;
        seed_loss = seed_loss + loss;
        seed_count = seed_count + 1;
        // The means the seed will end with, checked at every seeding step so that sums too
        // large to report are refused before the seed completes.
        avg_gain = seed_gain / n_;
        avg_loss = seed_loss / n_;
    } else {
        avg_gain = (gain + avg_gain * (n_ - 1.0)) / n_;
        avg_loss = (loss + avg_loss * (n_ - 1.0)) / n_;
    }
    bool gives_value = seeded_ || seed_count == period_;
    double s = avg_gain + avg_loss;
    if (!std::isfinite(s)) return std::nullopt;
    (void)closes_.push(x);  // full: replaces the oldest, never allocates
    seed_gain_ = seed_gain;
    seed_loss_ = seed_loss;
    seed_count_ = seed_count;
    if (!gives_value) return std::nullopt;
    avg_gain_ = avg_gain;
    avg_loss_ = avg_loss;
    seeded_ = true;
    if (s == 0.0) return 50.0;
    return (avg_gain / s) * 100.0;
}

}  // namespace prynox
