#pragma once
// The extended parabolic stop-and-reverse: each side accelerates by its own start, step and
// maximum; a start value other than 0 fixes the first side and level (positive long, negative
// short); each reversal pushes the new stop away from the price by a fraction of itself. The
// value is the stop while long and its negation while short.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/candle_trailing_stops/parabolic_sar.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSarExtStartAboveMax = "acceleration init must be <= max";

class SarExt {
public:
    // The offset not negative (-0 passes); the long side's accelerations positive, then its
    // start at most its maximum; then the same for the short side.
    static std::expected<SarExt, IndicatorError> create(double start_value, double offset, double long_start,
                                                        double long_step, double long_max, double short_start,
                                                        double short_step, double short_max);

    OptionalValue update_candle(const Candle& c) { return sar_.step(c); }
    std::uint64_t warmup_period() const { return 2; }

private:
    SarExt(Acceleration on_long, Acceleration on_short, double start_value, double offset)
        : sar_(on_long, on_short, start_value, offset) {}

    ParabolicSar<true> sar_;
};

}  // namespace prynox
