#pragma once
// The Bollinger core: mean and standard deviation of the last N values from sums of deviations
// around an anchor K, re-anchored at the window's mean after every N updates so the sums stay
// well conditioned for prices far from zero. The core is also the registry's BollingerBands
// type, publishing its four lines as named outputs.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/fixed_ring.hpp"
#include "indicators/cores/fused_pair.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

struct BollingerValue {
    double upper;
    double middle;
    double lower;
    double sd;
};

class BollingerBands {
public:
    static constexpr std::array<const char*, 4> kOutputNames{"upper", "middle", "lower", "stddev"};

    // Window check on the period, then the multiplier check.
    static std::expected<BollingerBands, IndicatorError> create(std::uint64_t period, double multiplier);
    // For callers that already checked both.
    BollingerBands(std::uint64_t period, double multiplier);

    // One value: none while the window fills or for a non-finite x (which changes nothing).
    std::optional<BollingerValue> update_value(double x) {
        BollingerValue v;
        if (!step(x, v)) return std::nullopt;
        return v;
    }
    // The named-output step: the four lines in the order of kOutputNames.
    bool update_value(double x, std::array<double, 4>& out) {
        BollingerValue v;
        if (!step(x, v)) return false;
        out = {v.upper, v.middle, v.lower, v.sd};
        return true;
    }

    bool step(double x, BollingerValue& out) {
        if (!std::isfinite(x) || !ring_.full()) [[unlikely]]
            return step_filling(x, out);
        // Read the sums before the slot write, which the compiler must assume may alias them.
        const double d_old = ring_.at_head() - anchor_;
        const DoublePair s = sums_ - DoublePair{d_old, d_old * d_old};
        const bool lap = ring_.overwrite_oldest(x);
        const double d = x - anchor_;
        sums_ = s + DoublePair{d, d * d};
        arrived_sum_ += x;
        equal_.push(x);
        if (lap) [[unlikely]]
            reanchor();
        return finish(x, out);
    }

    std::uint64_t period() const { return ring_.period(); }
    std::uint64_t warmup_period() const { return ring_.period(); }
    double multiplier() const { return k_; }
    // The shifted sums over the values held, for owners that derive another statistic from them.
    std::uint64_t count() const { return ring_.count(); }
    double s1() const { return sums_[0]; }
    double s2() const { return sums_[1]; }
    // The last N values were bit-identical.
    bool constant_window() const { return equal_.constant(); }

private:
    // The rare paths stay out of line so the steady path needs no saved registers.
    [[gnu::noinline]] bool step_filling(double x, BollingerValue& out);
    [[gnu::noinline]] void reanchor();

    bool finish(double x, BollingerValue& out) const {
        if (equal_.constant()) [[unlikely]] {
            out = {x, x, x, 0.0};
            return true;
        }
        // Both means in one division.
        const DoublePair means = sums_ / DoublePair{n_, n_};
        const double u = means[0];
        const double middle = anchor_ + u;
        double variance = means[1] - u * u;
        if (variance <= 0.0) variance = 0.0;  // also turns -0.0 into +0.0
        const double sd = std::sqrt(variance);
        const double w = k_ * sd;
        out = {middle + w, middle, middle - w, sd};
        return true;
    }

    FixedRing ring_;
    double n_;
    double k_;
    double anchor_ = 0.0;
    DoublePair sums_{0.0, 0.0};  // sums of d and d² for d = value - anchor
    // The values taken since the last re-anchoring, summed as they arrived. Re-anchoring comes
    // after every N values taken: when the ring first fills and then whenever its head wraps.
    // The window then holds exactly these values, oldest first, so its sum is this one.
    double arrived_sum_ = 0.0;
    bool anchored_ = false;
    // The run of bit-identical values ending at the newest one: a constant window gives sd 0
    // and three equal lines exactly, whatever the sums hold.
    EqualRun equal_;
};

}  // namespace prynox
