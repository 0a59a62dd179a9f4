#pragma once
// ZigZag: the price of each swing, given once price has turned away from it by the fraction t:
// the high of an up leg when a low reaches t under it, the low of a down leg when a high
// reaches t over it. Only those reversal bars give a value.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kZigZagThresholdMessage = "ZigZag threshold must be a finite fraction in (0, 1)";

class ZigZag {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"swing", "direction"};

    // t finite and strictly between 0 and 1.
    static std::expected<ZigZag, IndicatorError> create(double t);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit ZigZag(double t) : t_(t) {}

    double t_;
    double direction_ = 0.0;  // of the running leg; 0 before the first candle
    double extreme_ = 0.0;    // of the running leg
};

}  // namespace prynox
