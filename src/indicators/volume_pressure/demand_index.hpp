#pragma once
// Demand index: buying against selling pressure, each the volume ratio to its n-bar average or
// that ratio damped by e^(|change| * k) of the weighted price, smoothed by EMAs seeded with
// their first input; 100 (1 - sp / bp) or -100 (1 - bp / sp). A window without volume or
// without range repeats the last value; exact counts of non-zero volumes and ranges decide
// those windows, since the sums are never re-summed.
#include <cstdint>
#include <expected>
#include <optional>

#include "core/model/market.hpp"
#include "indicators/cores/counted_window.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class DemandIndex {
public:
    // Window check on n.
    static std::expected<DemandIndex, IndicatorError> create(std::uint64_t n);

    // Nothing, with nothing changed, for a candle whose weighted price leaves the doubles. One
    // whose two-bar range, sums or exponent do gives nothing and leaves the windows and averages
    // as they were; the next candle is still measured against it.
    OptionalValue update_candle(const Candle& c);
    // n + 1
    std::uint64_t warmup_period() const;

private:
    explicit DemandIndex(std::uint64_t n);

    std::optional<Candle> previous_;
    CountedWindow<1, false> volumes_;
    CountedWindow<1, false> ranges_;
    EmaStage buying_;
    EmaStage selling_;
    double divisor_;
    double last_ = 0.0;
};

}  // namespace prynox
