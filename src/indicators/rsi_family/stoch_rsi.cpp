#include "indicators/rsi_family/stoch_rsi.hpp"

#include <cmath>

#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<StochRsi, IndicatorError> StochRsi::create(std::uint64_t rsi_period, std::uint64_t stoch_period) {
    if (rsi_period == 0 || stoch_period == 0) return std::unexpected(IndicatorError::zero_period());
    auto rsi = Rsi::create(rsi_period);
    if (!rsi) return std::unexpected(rsi.error());
    return StochRsi(*rsi, stoch_period);
}

std::uint64_t StochRsi::warmup_period() const { return sat_add(rsi_.period(), extremes_.length()); }

OptionalValue StochRsi::update_value(double x) {
    // Room first, so that a window that cannot grow leaves the RSI untouched as well.
    if (!std::isfinite(x) || !extremes_.make_room()) return std::nullopt;
    auto r = rsi_.update_value(x);
    if (!r) return std::nullopt;
    (void)extremes_.push(*r);  // room was made above
    if (!extremes_.full()) return std::nullopt;
    // K values seen: the extremes take their full storage once, so none of the later bars
    // allocates (a failure here only leaves them growing as they need).
    if (extremes_.pushed() == extremes_.length()) (void)extremes_.reserve_full();
    double hi = extremes_.max();
    double lo = extremes_.min();
    double range = hi - lo;
    if (range == 0.0) return 50.0;
    // At the window's high this is the range over itself, which can round one unit past 100.
    double value = ((*r - lo) * 100.0) / range;
    return value > 100.0 ? 100.0 : value;
}

}  // namespace prynox
