#pragma once
// A stop k average true ranges from the close: below it while the close stays above, raised
// only; above it once the close falls to it or under, lowered only.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AtrTrailingStop {
public:
    // The multiplier check on k, then the window check on the period.
    static std::expected<AtrTrailingStop, IndicatorError> create(std::uint64_t period, double k);

    // A bar whose offset or stop would leave the doubles gives nothing and leaves the stop as it
    // was; its true range still enters the average, as Atr takes it. (Dropping it there too
    // could refuse for ever: a huge range taken into the seed would overflow every offset.)
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return atr_.period(); }

private:
    AtrTrailingStop(std::uint64_t period, double k) : atr_(period), k_(k) {}

    AtrStage atr_;
    double k_;
    double previous_close_ = 0.0;
    double stop_ = 0.0;
    bool has_stop_ = false;
};

}  // namespace prynox
