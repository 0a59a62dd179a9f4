#pragma once
// Accumulation/distribution oscillator: the Williams A/D total (williams_ad_term.hpp) less its
// 13-bar simple average. The first valid candle only primes the close; the total runs from the
// second, and the first value comes on the 14th valid candle. A candle whose total is not finite
// gives nothing and leaves the total and its average as they were; the next term is still taken
// against its close.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AdOscillator {
public:
    static constexpr std::uint64_t kAveragePeriod = 13;

    static std::expected<AdOscillator, IndicatorError> create() { return AdOscillator{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return kAveragePeriod + 1; }

private:
    AdOscillator() : average_(kAveragePeriod) {}

    double previous_close_ = 0.0;
    Sma average_;
    double total_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
