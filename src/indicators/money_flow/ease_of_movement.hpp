#pragma once
// Ease of movement: the range times the move of the midpoint, per 1e8 units of volume, averaged
// over the last n candles; 0 on a candle without volume. A window of zero movements averages to
// 0 exactly (a count of non-zero movements decides it, whatever the running sum keeps).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class EaseOfMovement {
public:
    // Window check on n.
    static std::expected<EaseOfMovement, IndicatorError> create(std::uint64_t n);

    // Nothing for a candle whose movement or sum leaves the doubles: the window stays as it was,
    // and the next movement is measured from this candle's midpoint.
    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const;

private:
    explicit EaseOfMovement(std::uint64_t n) : moves_(n), divisor_(static_cast<double>(n)) {}

    static constexpr double kVolumeDivisor = 1e8;

    OptionalValue previous_midpoint_;
    CountedWindow<1, true> moves_;
    double divisor_;
};

}  // namespace prynox
