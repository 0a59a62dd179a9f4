#pragma once
// Wilder's parabolic stop-and-reverse, shared by Psar and SarExt. The stop advances towards the
// extreme point by the acceleration factor each candle, never past the lows (long) or highs
// (short) of the two candles before, and reverses to the other side when the price touches it.
// The extended form may start on a given side and level, push the stop away by a fraction of
// itself on each reversal, and accelerate each side by its own start, step and maximum.
#include <cmath>

#include "core/model/market.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct Acceleration {
    double start;
    double step;
    double maximum;
};

// kExtended: the offset on reversal and the start value apply, and the value is negative while
// short.
template <bool kExtended>
class ParabolicSar {
public:
    ParabolicSar(Acceleration on_long, Acceleration on_short, double start_value, double offset)
        : long_(on_long), short_(on_short), start_value_(start_value), offset_(offset), af_(on_long.start) {}

    // A reversal level that would leave the doubles (an offset of a huge stop) gives nothing and
    // changes nothing.
    OptionalValue step(const Candle& c) {
        const double h = c.high, l = c.low;
        if (!seen_first_) [[unlikely]] {
            previous_high_ = h;
            previous_low_ = l;
            seen_first_ = true;
            return std::nullopt;
        }
        if (started_) [[likely]]
            return later(h, l);
        return second(h, l);
    }

private:
    OptionalValue second(double h, double l) {
        bool is_short;
        double sar;
        if (!kExtended || start_value_ == 0.0) {
            const double up = h - previous_high_, down = previous_low_ - l;
            is_short = down > 0.0 && down > up;
            sar = is_short ? previous_high_ : previous_low_;
        } else {
            is_short = start_value_ < 0.0;
            sar = std::fabs(start_value_);
        }
        double ep = is_short ? l : h;
        double af = is_short ? short_.start : long_.start;
        // The first reversal takes the candle's own extreme as the level, and restarts the
        // acceleration at the new side's start.
        if (!is_short && l <= sar) {
            is_short = true;
            sar = away(h, 1.0), ep = l, af = short_.start;
        } else if (is_short && h >= sar) {
            is_short = false;
            sar = away(l, -1.0), ep = h, af = long_.start;
        }
        if (!std::isfinite(sar)) [[unlikely]]
            return std::nullopt;
        commit(sar, ep, af, is_short, h, l);
        high_before_ = h;
        low_before_ = l;
        started_ = true;
        return value();
    }

    OptionalValue later(double h, double l) {
        double sar = advance();
        double ep = ep_, af = af_;
        bool is_short = short_side_;
        if (!is_short) {
            sar = std::fmin(std::fmin(sar, previous_low_), low_before_);
            if (l <= sar) {
                is_short = true;
                sar = away(std::fmax(std::fmax(ep, previous_high_), h), 1.0), ep = l, af = short_.start;
            } else if (h > ep) {
                ep = h, af = std::fmin(af + long_.step, long_.maximum);
            }
        } else {
            sar = std::fmax(std::fmax(sar, previous_high_), high_before_);
            if (h >= sar) {
                is_short = false;
                sar = away(std::fmin(std::fmin(ep, previous_low_), l), -1.0), ep = h, af = long_.start;
            } else if (l < ep) {
                ep = l, af = std::fmin(af + short_.step, short_.maximum);
            }
        }
        if (!std::isfinite(sar)) [[unlikely]]
            return std::nullopt;
        high_before_ = previous_high_;
        low_before_ = previous_low_;
        commit(sar, ep, af, is_short, h, l);
        return value();
    }

    // SAR + AF (EP - SAR). Where the distance alone overflows (a stop and an extreme of opposite
    // signs near the double range) the advance is taken in two halves: the level it reaches is
    // finite, or beyond the clamp that follows.
    double advance() const {
        const double d = ep_ - sar_;
        if (std::isfinite(d)) [[likely]]
            return sar_ + af_ * d;
        const double half = af_ * (ep_ * 0.5 - sar_ * 0.5);
        return (sar_ + half) + half;
    }

    // The reversal level pushed away from the price by the offset: up (+1) above a new short,
    // down (-1) below a new long.
    double away(double level, double direction) const {
        if constexpr (!kExtended) return level;
        return direction > 0.0 ? level + offset_ * std::fabs(level) : level - offset_ * std::fabs(level);
    }

    void commit(double sar, double ep, double af, bool is_short, double h, double l) {
        sar_ = sar;
        ep_ = ep;
        af_ = af;
        short_side_ = is_short;
        previous_high_ = h;
        previous_low_ = l;
    }

    double value() const {
        if constexpr (kExtended) return short_side_ ? -sar_ : sar_;
        return sar_;
    }

    Acceleration long_;
    Acceleration short_;
    double start_value_;
    double offset_;
    double previous_high_ = NAN;
    double previous_low_ = NAN;
    double high_before_ = NAN;
    double low_before_ = NAN;
    double sar_ = NAN;
    double ep_ = NAN;
    double af_;
    bool seen_first_ = false;
    bool started_ = false;
    bool short_side_ = false;
};

}  // namespace prynox
