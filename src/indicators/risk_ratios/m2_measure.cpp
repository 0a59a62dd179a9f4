#include "indicators/risk_ratios/m2_measure.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<M2Measure, IndicatorError> M2Measure::create(std::uint64_t period, double risk_free,
                                                           double benchmark_stddev) {
    if (auto e = check_minimum(period, 2, kM2MeasurePeriodMessage)) return std::unexpected(*e);
    if (!std::isfinite(risk_free) || !std::isfinite(benchmark_stddev) || benchmark_stddev < 0.0)
        return std::unexpected(IndicatorError::invalid_parameter(kM2MeasureParameterMessage));
    return M2Measure(period, risk_free, benchmark_stddev);
}

}  // namespace prynox
