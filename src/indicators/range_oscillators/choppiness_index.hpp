#pragma once
// Choppiness index: 100 log10(sum of the true ranges / range of the window) / log10(p), 100.0 on
// a window without range.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/high_low_extremes.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kChoppinessPeriodMessage = "choppiness index needs period >= 2";

class ChoppinessIndex {
public:
    // A minimum of 2 with its own message (which also covers 0), then MAX_PERIOD.
    static std::expected<ChoppinessIndex, IndicatorError> create(std::uint64_t period);

    // A candle whose true range overflows gives nothing and leaves the window as it was; the next
    // true range still reaches to its close.
    OptionalValue update_candle(const Candle& c);
    // p
    std::uint64_t warmup_period() const { return ranges_.capacity(); }

private:
    explicit ChoppinessIndex(std::uint64_t period);

    RollingWindow<double> ranges_;  // the last p true ranges
    // The highest high and lowest low of the window, as a scan would find them.
    HighLowExtremes extremes_;
    double log_period_;
    double sum_ = 0.0;  // never re-summed
    double previous_close_ = 0.0;
    bool has_previous_close_ = false;
};

}  // namespace prynox
