#pragma once
// A volatility stop: k average true ranges from the extreme close of the current side, below
// the highest close while long and above the lowest while short. The side turns when the close
// passes the level (strictly under it while long; strictly above it while short).
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/atr_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class VoltyStop {
public:
    // The multiplier check on k, then the window check on the period.
    static std::expected<VoltyStop, IndicatorError> create(std::uint64_t period, double k);

    // A bar whose offset or level would leave the doubles gives nothing and leaves the side and
    // extreme as they were; its true range still enters the average, as Atr takes it.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return atr_.period(); }

private:
    VoltyStop(std::uint64_t period, double k) : atr_(period), k_(k) {}

    AtrStage atr_;
    double k_;
    double extreme_ = 0.0;
    bool has_extreme_ = false;
    bool long_ = true;
};

}  // namespace prynox
