#include "indicators/channels/fractal_chaos_bands.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<FractalChaosBands, IndicatorError> FractalChaosBands::create(std::uint64_t half_width) {
    if (auto e = check_window(half_width)) return std::unexpected(*e);
    return FractalChaosBands(half_width);
}

bool FractalChaosBands::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!span_.push(c.high, c.low)) [[unlikely]]
        return false;
    if (!span_.full()) return false;
    // A tie is no fractal. The prices passed the candle check, so no NaN reaches the test.
    if (span_.high_pivot()) upper_ = span_.centre_high(), has_upper_ = true;
    if (span_.low_pivot()) lower_ = span_.centre_low(), has_lower_ = true;
    if (!(has_upper_ && has_lower_)) return false;
    out = {upper_, lower_};
    return true;
}

}  // namespace prynox
