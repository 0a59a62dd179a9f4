#pragma once
// The true range of a candle and the average true range stage (Wilder's smoothing seeded with
// the mean of the first n true ranges), shared by Atr, Natr, the ATR stops and the bands.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "indicators/cores/fused.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

// The larger of a and b, a NaN operand ignored in favour of the other (as std::fmax, which g++
// calls out of line instead of inlining).
inline double max_num(double a, double b) { return a > b || b != b ? a : b; }

// max(H - L, |H - pC|, |L - pC|), NaN operands ignored in favour of the others.
inline double true_range(double high, double low, double previous_close) {
    return max_num(max_num(high - low, std::fabs(high - previous_close)), std::fabs(low - previous_close));
}

class AtrStage {
public:
    explicit AtrStage(std::uint64_t period)
        : period_(period), n_minus_one_(static_cast<double>(period) - 1.0),
          reciprocal_(1.0 / static_cast<double>(period)) {}

    // One valid candle. A true range or an average that is not finite (prices near the double
    // range) would stay infinite for the rest of the run: that candle is refused instead and
    // leaves the average and its seed as they were. Its close still becomes the previous close,
    // so that the next true range reaches to it.
    OptionalValue step(const Candle& c) {
        const double tr = has_previous_close_ ? true_range(c.high, c.low, previous_close_) : c.high - c.low;
        if (!std::isfinite(tr)) [[unlikely]]
            return refuse(c);
        if (seeded_) [[likely]] {
            const double atr = fused_multiply_add(atr_, n_minus_one_, tr) * reciprocal_;
            if (!std::isfinite(atr)) [[unlikely]]
                return refuse(c);
            atr_ = atr;
            previous_close_ = c.close;
            has_previous_close_ = true;
            return atr_;
        }
        const double sum = seed_sum_ + tr;
        if (!std::isfinite(sum)) [[unlikely]]
            return refuse(c);
        seed_sum_ = sum;
        previous_close_ = c.close;
        has_previous_close_ = true;
        if (++seed_count_ < period_) return {};
        atr_ = seed_sum_ / static_cast<double>(seed_count_);
        seeded_ = true;
        return atr_;
    }

    std::uint64_t period() const { return period_; }
    bool seeded() const { return seeded_; }
    double value() const { return atr_; }
    // True ranges taken while seeding (n once seeded): an owner feeding it beside other stages
    // tells a refused candle from one still seeding by it.
    std::uint64_t seed_count() const { return seed_count_; }

private:
    OptionalValue refuse(const Candle& c) {
        previous_close_ = c.close;
        has_previous_close_ = true;
        return {};
    }

    std::uint64_t period_;
    double n_minus_one_;
    double reciprocal_;
    double previous_close_ = 0.0;
    double seed_sum_ = 0.0;
    std::uint64_t seed_count_ = 0;
    double atr_ = 0.0;
    bool has_previous_close_ = false;
    bool seeded_ = false;
};

}  // namespace prynox
