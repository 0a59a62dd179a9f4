#include "indicators/multi_output_stops/modified_ma_stop.hpp"

namespace prynox {

std::expected<ModifiedMaStop, IndicatorError> ModifiedMaStop::create(std::uint64_t n) {
    auto ma = Smma::create(n);
    if (!ma) return std::unexpected(ma.error());
    return ModifiedMaStop(*ma);
}

bool ModifiedMaStop::update_candle(const Candle& c, std::array<double, 2>& out) {
    // (ma (n - 1) + close) / n is the smoothed average's step: the sum is the same either way round.
    const OptionalValue average = ma_.update_value(c.close);
    if (!average) return false;
    const double ma = *average, close = c.close;
    // The average is the candidate on both sides; the first value takes the close's side of it.
    trend_ = trend_.next(close, ma, ma, close < ma ? -1.0 : 1.0);
    out = {trend_.line, trend_.direction};
    return true;
}

}  // namespace prynox
