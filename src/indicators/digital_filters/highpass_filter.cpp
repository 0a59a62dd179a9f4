#include "indicators/digital_filters/highpass_filter.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<HighpassFilter, IndicatorError> HighpassFilter::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return HighpassFilter(period);
}

}  // namespace prynox
