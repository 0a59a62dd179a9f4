#pragma once
// The average gain and loss of the RSI types that seed them with the plain means of their
// first N changes (sums from -0.0 in arrival order, divided by N) and then smooth them with a
// step of their own. A bar's step is worked out first and stored only once the bar is
// accepted, so a change or an average that overflows refuses the bar and changes nothing.
#include <cmath>
#include <cstdint>
#include <optional>
#include "indicators/optional_value.hpp"

namespace prynox {

class SeededGainLoss {
public:
    struct Step {
        double seed_gain;
        double seed_loss;
        std::uint64_t seed_count;
        double avg_gain;
        double avg_loss;
        bool gives_value;
        // gain + loss; a bar whose averages overflow is refused.
        double sum() const { return avg_gain + avg_loss; }
        bool finite() const { return std::isfinite(sum()); }
    };

    explicit SeededGainLoss(std::uint64_t period) : period_(period), n_(static_cast<double>(period)) {}

    bool seeded() const { return seeded_; }

    // The averages after this change's gain and loss. While seeding they are the means the
    // seed will end with, so that sums too large to report are refused before the seed
    // completes; afterwards smooth(average, new) gives each.
    template <class Smooth>
    Step next(double gain, double loss, Smooth smooth) const {
        Step s{seed_gain_, seed_loss_, seed_count_, avg_gain_, avg_loss_, false};
        if (!seeded_) {
            s.seed_gain = s.seed_gain + gain;
            s.seed_loss = s.seed_loss + loss;
            s.seed_count = s.seed_count + 1;
            s.avg_gain = s.seed_gain / n_;
            s.avg_loss = s.seed_loss / n_;
        } else {
            s.avg_gain = smooth(s.avg_gain, gain);
            s.avg_loss = smooth(s.avg_loss, loss);
        }
        s.gives_value = seeded_ || s.seed_count == period_;
        return s;
    }

    // Stores an accepted step: 100 * gain / (gain + loss), 50 when both are 0, once seeded.
    OptionalValue commit(const Step& s) {
        seed_gain_ = s.seed_gain;
        seed_loss_ = s.seed_loss;
        seed_count_ = s.seed_count;
        if (!s.gives_value) return std::nullopt;
        avg_gain_ = s.avg_gain;
        avg_loss_ = s.avg_loss;
        seeded_ = true;
        double sum = s.sum();
        if (sum == 0.0) return 50.0;
        return (s.avg_gain / sum) * 100.0;
    }

private:
    std::uint64_t period_;
    double n_;
    double seed_gain_ = -0.0;
    double seed_loss_ = -0.0;
    std::uint64_t seed_count_ = 0;
    double avg_gain_ = 0.0;
    double avg_loss_ = 0.0;
    bool seeded_ = false;
};

}  // namespace prynox
