#pragma once
// Twiggs money flow: the accumulation over the true range (reaching to the previous close),
// Wilder-smoothed over n, over the volume smoothed alike; 0 while the smoothed volume is 0.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TwiggsMoneyFlow {
public:
    // Window check on n.
    static std::expected<TwiggsMoneyFlow, IndicatorError> create(std::uint64_t n);

    // Nothing for a candle whose range, accumulation or smoothed values leave the doubles: the
    // smoothed values stay as they were, and the next true range reaches to this candle's close.
    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const;

private:
    explicit TwiggsMoneyFlow(std::uint64_t n) : n_(n), divisor_(static_cast<double>(n)) {}

    OptionalValue previous_close_;
    double accumulation_ = 0.0;
    double volume_ = 0.0;
    bool smoothed_ = false;
    std::uint64_t n_;
    double divisor_;
    double seed_accumulation_ = 0.0;
    double seed_volume_ = 0.0;
    std::uint64_t seed_count_ = 0;
};

}  // namespace prynox
