#pragma once
// One exponential smoothing stage: seeded with the mean of its first inputs (their sum started
// from -0.0, so a seed of negative zeros stays -0.0), then
// value = alpha * v + one_minus_alpha * value, the product one_minus_alpha * value rounded
// first and the rest done in one fused multiply-add. The library's one EMA stage, for the
// averages of a period and the fixed-weight ones alike.
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/cores/fused.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

// The weight of the new input and the weight of the value so far.
struct EmaWeights {
    double alpha;
    double one_minus_alpha;

    // alpha = 2 / (n + 1) and 1 - alpha.
    static EmaWeights of_period(std::uint64_t period) {
        const double alpha = 2.0 / (static_cast<double>(period) + 1.0);
        return {alpha, 1.0 - alpha};
    }
};

class EmaStage {
public:
    // alpha = 2 / (n + 1), seeded by the mean of the first n inputs.
    explicit EmaStage(std::uint64_t period) : EmaStage(period, EmaWeights::of_period(period), period) {}

    // Weights given as they are (neither derived from the period nor from each other), seeded
    // by the mean of the first n inputs: a fixed-weight average such as 0.15 and 0.85 over a
    // seed of 12.
    EmaStage(std::uint64_t period, EmaWeights weights) : EmaStage(period, weights, period) {}

    // A stage with its own alpha (the other weight 1 - alpha) and seed length (a seed length
    // of 1 starts at the first input).
    EmaStage(std::uint64_t period, double alpha, std::uint64_t seed_length)
        : EmaStage(period, EmaWeights{alpha, 1.0 - alpha}, seed_length) {}

    // Callers reject what they must not feed; only an overflowing seed sum is refused here.
    OptionalValue step(double v) {
        if (!seeded_) [[unlikely]]
            return seed(v);
        double value = fused_multiply_add(alpha_, v, one_minus_alpha_ * value_);
        value_ = value;
        return value;
    }

    // Whether step(v) takes v: a seeding stage refuses an input whose seed sum would not be
    // finite. Lets an owner of several stages refuse a bar for all of them alike.
    bool takes(double v) const { return seeded_ || std::isfinite(seed_sum_ + v); }

    std::uint64_t period() const { return period_; }
    double alpha() const { return alpha_; }
    double one_minus_alpha() const { return one_minus_alpha_; }
    bool seeded() const { return seeded_; }
    double value() const { return value_; }
    std::uint64_t seed_count() const { return seed_count_; }

private:
    EmaStage(std::uint64_t period, EmaWeights weights, std::uint64_t seed_length)
        : period_(period), seed_length_(seed_length == 0 ? 1 : seed_length), alpha_(weights.alpha),
          one_minus_alpha_(weights.one_minus_alpha) {}

    // Out of line: the steady path needs no saved registers.
    [[gnu::noinline]] OptionalValue seed(double v) {
        // A seed sum that is not finite would leave the stage infinite for good: the input is
        // refused instead, counts toward nothing and changes nothing.
        const double sum = seed_sum_ + v;
        if (!std::isfinite(sum)) return std::nullopt;
        seed_sum_ = sum;
        ++seed_count_;
        if (seed_count_ < seed_length_) return std::nullopt;
        value_ = seed_sum_ / static_cast<double>(seed_count_);
        seeded_ = true;
        return value_;
    }

    std::uint64_t period_;
    std::uint64_t seed_length_;
    double alpha_;
    double one_minus_alpha_;
    double value_ = 0.0;
    double seed_sum_ = -0.0;
    std::uint64_t seed_count_ = 0;
    bool seeded_ = false;
};

}  // namespace prynox
