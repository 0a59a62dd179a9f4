#pragma once
// Mass index: the sum over a window of the ratio between a single and a double EMA stage of the
// high-low range (1.0 where the double average is 0). The sum window has no upper bound: its
// ring grows with the data.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class MassIndex {
public:
    // Either window 0, then the smoothing window against MAX_PERIOD; the sum window has no
    // upper bound.
    static std::expected<MassIndex, IndicatorError> create(std::uint64_t smoothing, std::uint64_t sum_window);

    OptionalValue update_candle(const Candle& c);
    // s + 2 #0 - 2, saturating.
    std::uint64_t warmup_period() const;

private:
    MassIndex(std::uint64_t smoothing, std::uint64_t sum_window)
        : single_(smoothing), double_(smoothing), ratios_(sum_window) {}

    EmaStage single_;
    EmaStage double_;
    RollingWindow<double> ratios_;
    double sum_ = 0.0;  // never re-summed
};

}  // namespace prynox
