#include "indicators/moving_averages/mid_point.hpp"

#include <utility>

#include "indicators/cores/period_window.hpp"

namespace prynox {

std::expected<MidPoint, IndicatorError> MidPoint::create(std::uint64_t period) {
    auto extremes = PeriodWindow::create<WindowExtremes>(period);
    if (!extremes) return std::unexpected(extremes.error());
    return MidPoint(std::move(*extremes));
}

}  // namespace prynox
