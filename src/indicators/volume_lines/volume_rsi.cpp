#include "indicators/volume_lines/volume_rsi.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<VolumeRsi, IndicatorError> VolumeRsi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return VolumeRsi(period);
}

std::uint64_t VolumeRsi::warmup_period() const { return sat_add(period_, 1); }

OptionalValue VolumeRsi::update_candle(const Candle& c) {
    if (!has_previous_) [[unlikely]] {
        previous_volume_ = c.volume;
        has_previous_ = true;
        return {};
    }
    const double change = c.volume - previous_volume_;
    // +0.0 on no change, a volume of -0.0 included.
    const double gain = change > 0.0 ? change : 0.0;
    const double loss = change < 0.0 ? -change : 0.0;
    const auto step = averages_.next(gain, loss, [this](double average, double x) { return (x + average * n_minus_1_) / n_; });
    previous_volume_ = c.volume;
    if (!step.finite()) [[unlikely]]
        return {};
    return averages_.commit(step);
}

}  // namespace prynox
