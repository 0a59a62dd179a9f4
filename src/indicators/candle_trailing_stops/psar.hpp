#pragma once
// Wilder's parabolic stop-and-reverse: the stop level, below the price while long and above it
// while short.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/candle_trailing_stops/parabolic_sar.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPsarStartAboveMax = "af_start must be <= af_max";

class Psar {
public:
    // The three accelerations positive (in order), then the start at most the maximum.
    static std::expected<Psar, IndicatorError> create(double start, double step, double maximum);

    OptionalValue update_candle(const Candle& c) { return sar_.step(c); }
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit Psar(Acceleration a) : sar_(a, a, 0.0, 0.0) {}

    ParabolicSar<false> sar_;
};

}  // namespace prynox
