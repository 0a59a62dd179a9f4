#pragma once
// Wilder's relative strength step, the core of Rsi and of every type built on relative
// strength. The first N changes seed the average gain and loss with their plain means; later
// changes smooth them as (average * (N - 1) + new) / N, the multiply-add fused and the division
// done as a multiplication by the stored 1 / N. A value is 100 * gain / (gain + loss), or 50
// when both averages are 0.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/fused_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Rsi {
public:
    // Window check on the period.
    static std::expected<Rsi, IndicatorError> create(std::uint64_t period);

    // A non-finite x gives no value and changes nothing. A change or an average that overflows
    // gives no value and leaves the averages as they were, so one absurd bar cannot leave them
    // infinite for the rest of the run; x still becomes the previous value, or every later
    // change against the old one could overflow as well.
    OptionalValue update_value(double x) {
        if (!seeded_ || !std::isfinite(x)) [[unlikely]]
            return update_rare(x);
        double c = x - previous_;
        // (gain, loss): max(c, 0) and max(-c, 0), a change of -0.0 giving +0.0 for both.
        DoublePair moves = positive_part(DoublePair{c, -c});
        DoublePair averages = fused_multiply_add_pair(averages_, n_minus_1_, moves) * inv_n_;
        double avg_gain = averages[0];
        double s = avg_gain + averages[1];
        double r = s == 0.0 ? 50.0 : (avg_gain * 100.0) / s;
        previous_ = x;
        if (!std::isfinite(s) || !std::isfinite(r)) [[unlikely]]
            return std::nullopt;
        averages_ = averages;
        return at_most_100(r);
    }

    // x becomes the previous value without a change being taken: an owner's refusal of the bar.
    void rebase(double x) {
        previous_ = x;
        has_previous_ = true;
    }

    std::uint64_t period() const { return period_; }
    // The first input only primes the previous value.
    std::uint64_t warmup_period() const { return sat_add(period_, 1); }
    bool seeded() const { return seeded_; }
    double average_gain() const { return averages_[0]; }
    double average_loss() const { return averages_[1]; }
    double n_minus_1() const { return n_minus_1_[0]; }
    double inverse_n() const { return inv_n_[0]; }

private:
    // The gain over a sum that rounds to the gain alone (no loss, or one too small to count) can
    // give 100 plus one unit in the last place.
    static double at_most_100(double r) { return r > 100.0 ? 100.0 : r; }

    explicit Rsi(std::uint64_t period)
        : n_minus_1_{static_cast<double>(period - 1), static_cast<double>(period - 1)},
          inv_n_{1.0 / static_cast<double>(period), 1.0 / static_cast<double>(period)}, period_(period) {}

    // The first input, the seeding changes and rejected inputs.
    [[gnu::noinline]] OptionalValue update_rare(double x);

    // Gain and loss side by side: one multiply-add, one multiplication and one store for both.
    DoublePair averages_{0.0, 0.0};
    DoublePair n_minus_1_;  // N - 1 in both lanes
    DoublePair inv_n_;      // 1 / N in both lanes
    double previous_ = 0.0;
    std::uint64_t period_;
    // The seed means are sums from -0.0 in arrival order over the first N changes, divided by N.
    double seed_gain_ = -0.0;
    double seed_loss_ = -0.0;
    std::uint64_t seed_count_ = 0;
    bool has_previous_ = false;
    bool seeded_ = false;
};

}  // namespace prynox
