#include "indicators/digital_filters/bandpass_filter.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<BandpassFilter, IndicatorError> BandpassFilter::create(std::uint64_t period, double bandwidth) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(bandwidth) && bandwidth > 0.0 && bandwidth < 1.0))
        return std::unexpected(IndicatorError::invalid_parameter(kBandpassBandwidthMessage));
    return BandpassFilter(period, bandwidth);
}

}  // namespace prynox
