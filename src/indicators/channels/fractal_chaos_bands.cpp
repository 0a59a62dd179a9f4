#include "indicators/channels/fractal_chaos_bands.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<FractalChaosBands, IndicatorError> FractalChaosBands::create(std::uint64_t half_width) {
    if (auto e = check_window(half_width)) return std::unexpected(*e);
    return FractalChaosBands(half_width);
}

FractalChaosBands::FractalChaosBands(std::uint64_t half_width)
    : span_(sat_add(sat_mul(2, half_width), 1)), half_width_(half_width) {}

bool FractalChaosBands::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!span_.push({c.high, c.low})) [[unlikely]]
        return false;
    if (!span_.full()) return false;
    // The centre against every other candle of the span; a tie is no fractal. The prices passed
    // the candle check, so the plain comparisons see no NaN.
    const std::size_t centre = static_cast<std::size_t>(half_width_), n = span_.size();
    const HighLow mid = span_[centre];
    bool high = true, low = true;
    for (std::size_t j = 0; j < n && (high || low); ++j) {
        if (j == centre) continue;
        const HighLow& other = span_[j];
        high = high && mid.high > other.high;
        low = low && mid.low < other.low;
    }
    if (high) upper_ = mid.high, has_upper_ = true;
    if (low) lower_ = mid.low, has_lower_ = true;
    if (!(has_upper_ && has_lower_)) return false;
    out = {upper_, lower_};
    return true;
}

}  // namespace prynox
