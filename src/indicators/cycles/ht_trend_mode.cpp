#include "indicators/cycles/ht_trend_mode.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

namespace {
constexpr double kPi = 3.141592653589793;
}  // namespace

OptionalValue HtTrendMode::advance(double x) {
    closes_.push(x);
    auto step = core_.step(x);
    if (step.stage != HilbertPipeline::Stage::Measured) return std::nullopt;

    // The mean of the newest closes over the cycle length is summed in the phase's own loop.
    double sum = 0.0;
    auto [n, phase] = core_.phase([&](std::size_t k) { sum += closes_[k]; });
    double sine = std::sin(phase * kPi / 180.0);
    double lead = std::sin((phase + 45.0) * kPi / 180.0);
    double avg = sum / static_cast<double>(n);
    double trendline = (((4.0 * avg + 3.0 * t1_) + 2.0 * t2_) + t3_) / 10.0;
    t3_ = t2_;
    t2_ = t1_;
    t1_ = avg;

    double smooth_period = core_.smooth_period();
    double trend = 1.0;
    if ((sine > lead && previous_sine_ <= previous_lead_) || (sine < lead && previous_sine_ >= previous_lead_)) {
        days_in_trend_ = 0.0;
        trend = 0.0;
    }
    days_in_trend_ = days_in_trend_ + 1.0;
    double advance = phase - previous_phase_;
    // A phase advancing within [0.67, 1.5] of the cycle's rate per bar is a cycle.
    if (days_in_trend_ < 0.5 * smooth_period ||
        (smooth_period != 0.0 && 241.20000000000002 / smooth_period < advance && advance < 540.0 / smooth_period))
        trend = 0.0;
    if (trendline != 0.0 && std::fabs((step.smooth - trendline) / trendline) >= 0.015) trend = 1.0;

    previous_phase_ = phase;
    previous_sine_ = sine;
    previous_lead_ = lead;
    if (core_.update_count() < kCycleWarmup) return std::nullopt;
    last_ = trend;
    return last_;
}

}  // namespace prynox
