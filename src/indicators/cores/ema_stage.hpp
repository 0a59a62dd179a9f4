#pragma once
// One exponential smoothing stage: seeded with the mean of its first inputs, then
// value = alpha * v + (1 - alpha) * value, the product (1 - alpha) * value rounded first and
// the rest done in one fused multiply-add.
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/cores/fused.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class EmaStage {
public:
    // alpha = 2 / (n + 1), seeded by the mean of the first n inputs.
    explicit EmaStage(std::uint64_t period)
        : EmaStage(period, 2.0 / (static_cast<double>(period) + 1.0), period) {}

    // A stage with its own alpha and seed length (a seed length of 1 starts at the first input).
    EmaStage(std::uint64_t period, double alpha, std::uint64_t seed_length)
        : period_(period), seed_length_(seed_length == 0 ? 1 : seed_length), alpha_(alpha),
          one_minus_alpha_(1.0 - alpha) {}

    // Callers reject what they must not feed; only an overflowing seed sum is refused here.
    OptionalValue step(double v) {
        if (!seeded_) [[unlikely]]
            return seed(v);
        double value = fused_multiply_add(alpha_, v, one_minus_alpha_ * value_);
        value_ = value;
        return value;
    }

    std::uint64_t period() const { return period_; }
    double alpha() const { return alpha_; }
    double one_minus_alpha() const { return one_minus_alpha_; }
    bool seeded() const { return seeded_; }
    double value() const { return value_; }
    std::uint64_t seed_count() const { return seed_count_; }

private:
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
