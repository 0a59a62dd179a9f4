#include "indicators/cores/mama.hpp"

#include <cmath>

namespace prynox {

namespace {
constexpr double kEps = 2.220446049250313e-16;
constexpr double kDegreesPerRadian = 57.29577951308232;
}  // namespace

std::expected<Mama, IndicatorError> Mama::create(double fast_limit, double slow_limit) {
    bool ok = std::isfinite(fast_limit) && std::isfinite(slow_limit) && 0.0 < slow_limit &&
              slow_limit <= fast_limit && fast_limit <= 1.0;
    if (!ok) return std::unexpected(IndicatorError::invalid_period(kMamaLimitsMessage));
    return Mama(fast_limit, slow_limit);
}

std::optional<MamaValue> Mama::update_value(double x) {
    // Closes the pipeline cannot take (non-finite or huge) are refused.
    if (!accepts_cycle_close(x)) return std::nullopt;
    auto step = pipeline_.step(x);
    if (step.stage == HilbertPipeline::Stage::Smoothing) {
        mama_ = step.smooth;
        fama_ = step.smooth;
    }
    if (step.stage != HilbertPipeline::Stage::Measured) return std::nullopt;

    double phase = previous_phase_;
    if (std::fabs(pipeline_.i1()) > kEps) phase = std::atan(pipeline_.q1() / pipeline_.i1()) * kDegreesPerRadian;
    double delta = previous_phase_ - phase;
    if (delta < 1.0) delta = 1.0;
    double alpha = fast_limit_ / delta;
    if (alpha < slow_limit_) alpha = slow_limit_;
    mama_ = alpha * x + (1.0 - alpha) * mama_;
    fama_ = fama_ * (1.0 - 0.5 * alpha) + 0.5 * alpha * mama_;
    previous_phase_ = phase;
    if (pipeline_.update_count() < kWarmup) return std::nullopt;
    last_ = MamaValue{mama_, fama_};
    return last_;
}

}  // namespace prynox
