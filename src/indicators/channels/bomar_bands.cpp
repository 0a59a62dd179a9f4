#include "indicators/channels/bomar_bands.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/scratch_reserve.hpp"
#include "indicators/cores/sorted_abs_deviations.hpp"
#include "indicators/cores/window_quantile.hpp"

namespace prynox {

std::expected<BomarBands, IndicatorError> BomarBands::create(std::uint64_t period, double coverage) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    if (!(std::isfinite(coverage) && coverage > 0.0 && coverage <= 1.0))
        return std::unexpected(IndicatorError::invalid_parameter(kCoverageMessage));
    return BomarBands(period, coverage);
}

bool BomarBands::update_value(double close, std::array<double, 3>& out) {
    if (!std::isfinite(close) || !window_.push(close) || !window_.full()) return false;
    const auto sorted = window_.sorted();
    if (!reserve_scratch(deviations_, sorted.size())) [[unlikely]]
        return false;
    double sum = 0.0;
    window_.arrival().for_each([&sum](double v) { sum += v; });
    const double mean = sum / static_cast<double>(window_.capacity());
    const double scale = std::fabs(mean);
    double q = 0.0;  // a zero mean: every deviation counts as 0
    if (mean != 0.0) {
        // |v - mean| / |mean| keeps the order of |v - mean|, so the merged list is already ascending.
        sorted_abs_deviations(sorted, mean, deviations_);
        for (double& d : deviations_) d = d / scale;
        q = window_quantile(deviations_, coverage_);
    }
    const double upper = mean + scale * q, lower = mean - scale * q;
    if (!(std::isfinite(upper) && std::isfinite(mean) && std::isfinite(lower))) [[unlikely]]
        return false;
    out = {upper, mean, lower};
    return true;
}

}  // namespace prynox
