#include "indicators/pivot_levels/murrey_math_lines.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MurreyMathLines, IndicatorError> MurreyMathLines::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MurreyMathLines(period);
}

bool MurreyMathLines::update_candle(const Candle& c, std::array<double, 9>& out) {
    if (!extremes_.push(c.high, c.low) || !extremes_.full()) return false;
    const double lo = extremes_.low(), step = (extremes_.high() - lo) * 0.125;
    if (!std::isfinite(lo + 8.0 * step)) [[unlikely]]
        return false;
    out = {lo + 8.0 * step, lo + 7.0 * step, lo + 6.0 * step, lo + 5.0 * step, lo + 4.0 * step,
           lo + 3.0 * step, lo + (step + step), lo + step, lo + 0.0 * step};
    return true;
}

}  // namespace prynox
