#pragma once
// The step shared by PlusDm, MinusDm, PlusDi, MinusDi and Dx: the plus and minus directional
// movements and the true range against the previous candle, each quantity a type keeps smoothed
// by Wilder's sum form (seeded with the plain sum of its first n inputs, then S - S/n + x), all
// seeded on the same candle. Only the quantities a type keeps are computed, so a type is never
// refused for one it does not read.
//
// A candle whose kept quantities or sums are not finite (prices near the double range) would
// leave a sum infinite or NaN for good: it is refused instead and leaves the sums as they were,
// but it becomes the previous candle, so that the next movements are measured from it. A value
// that overflows where the sums did not is no value for that candle only.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct DirectionalSums {
    double plus_dm = 0.0;
    double minus_dm = 0.0;
    double tr = 0.0;
};

template <bool Plus, bool Minus, bool Range>
class WilderDirectional {
public:
    explicit WilderDirectional(std::uint64_t period) : period_(period), n_(static_cast<double>(period)) {}

    // One valid candle: `value_of(smoothed)` once the sums are seeded, when it is finite.
    template <class Value>
    OptionalValue step(const Candle& c, Value&& value_of) {
        if (!has_previous_) [[unlikely]] {
            remember(c);
            return {};
        }
        DirectionalSums x;
        if constexpr (Plus || Minus) {
            const double up = c.high - previous_high_;
            const double down = previous_low_ - c.low;
            if constexpr (Plus) x.plus_dm = up > down && up > 0.0 ? up : 0.0;
            if constexpr (Minus) x.minus_dm = down > up && down > 0.0 ? down : 0.0;
        }
        if constexpr (Range) x.tr = true_range(c.high, c.low, previous_close_);
        const bool seeded = seeded_;
        const DirectionalSums& from = seeded ? smoothed_ : seed_;
        DirectionalSums next;
        if constexpr (Plus) next.plus_dm = seeded ? (from.plus_dm - from.plus_dm / n_) + x.plus_dm : from.plus_dm + x.plus_dm;
        if constexpr (Minus)
            next.minus_dm = seeded ? (from.minus_dm - from.minus_dm / n_) + x.minus_dm : from.minus_dm + x.minus_dm;
        if constexpr (Range) next.tr = seeded ? (from.tr - from.tr / n_) + x.tr : from.tr + x.tr;
        if (!(std::isfinite(next.plus_dm) && std::isfinite(next.minus_dm) && std::isfinite(next.tr))) [[unlikely]] {
            remember(c);
            return {};
        }
        if (!seeded) [[unlikely]] {
            seed_ = next;
            remember(c);
            if (++seed_count_ < period_) return {};
            seeded_ = true;
        }
        smoothed_ = next;
        remember(c);
        const double value = value_of(next);
        if (!std::isfinite(value)) [[unlikely]]
            return {};
        return value;
    }

    std::uint64_t period() const { return period_; }

private:
    void remember(const Candle& c) {
        if constexpr (Plus || Minus) previous_high_ = c.high, previous_low_ = c.low;
        if constexpr (Range) previous_close_ = c.close;
        has_previous_ = true;
    }

    std::uint64_t period_;
    double n_;
    double previous_high_ = 0.0, previous_low_ = 0.0, previous_close_ = 0.0;
    DirectionalSums smoothed_;
    DirectionalSums seed_;
    std::uint64_t seed_count_ = 0;
    bool has_previous_ = false;
    bool seeded_ = false;
};

// 100 DM / TR of the smoothed values; 0 when the smoothed true range is 0.
inline double directional_indicator(double dm, double tr) { return tr == 0.0 ? 0.0 : (100.0 * dm) / tr; }

}  // namespace prynox
