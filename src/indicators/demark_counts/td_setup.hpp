#pragma once
// DeMark setup: counts consecutive closes below (buy, positive) or above (sell, negative) the
// close k bars earlier, held at the largest count m; a close equal to its reference gives 0.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TdSetup {
public:
    // Both zero checks; neither has an upper bound (the window grows with the data).
    static std::expected<TdSetup, IndicatorError> create(std::uint64_t lookback, std::uint64_t largest);

    // A candle the window has no storage for gives nothing and changes nothing.
    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return sat_add(closes_.capacity(), 1); }

private:
    TdSetup(std::uint64_t lookback, std::uint64_t largest) : closes_(lookback), largest_(largest) {}

    RollingWindow<double> closes_;  // the last k closes
    std::uint64_t largest_;
    std::uint64_t buy_ = 0;
    std::uint64_t sell_ = 0;
};

}  // namespace prynox
