#include "indicators/momentum/tii.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Tii, IndicatorError> Tii::create(std::uint64_t period, std::uint64_t signal) {
    if (period == 0 || signal == 0) return std::unexpected(IndicatorError::zero_period());
    if (auto e = check_max_period(period)) return std::unexpected(*e);
    return Tii(period, signal);
}

std::uint64_t Tii::warmup_period() const { return sat_add(sma_.period(), deviations_.capacity() - 1); }

OptionalValue Tii::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    auto mean = sma_.update_value(x);
    if (!mean) return std::nullopt;
    double d = x - *mean;  // exactly 0 when the last P closes are all equal
    // A deviation or sum that is not finite would stay in the sums for good: the deviations
    // keep their state and the bar gives no value.
    if (!std::isfinite(d)) [[unlikely]]
        return std::nullopt;
    if (!deviations_.make_room()) [[unlikely]]
        return std::nullopt;
    double up = up_, down = down_;
    std::uint64_t ups = ups_, downs = downs_;
    if (deviations_.full()) {
        double v = deviations_.oldest();
        if (v > 0.0) {
            up = up - v;
            --ups;
        } else if (v < 0.0) {
            down = v + down;
            --downs;
        }
    }
    if (d > 0.0) {
        up = up + d;
        ++ups;
    } else if (d < 0.0) {
        down = down - d;
        ++downs;
    }
    if (!std::isfinite(up) || !std::isfinite(down)) [[unlikely]]
        return std::nullopt;
    (void)deviations_.push(d);
    up_ = up;
    down_ = down;
    ups_ = ups;
    downs_ = downs;
    if (!deviations_.full()) return std::nullopt;
    if (ups == 0) up = 0.0;
    if (downs == 0) down = 0.0;
    double t = up + down;
    if (t <= 0.0) return 50.0;
    double share = (up * 100.0) / t;
    // inf / inf when both sums are near the largest double.
    if (std::isnan(share)) [[unlikely]]
        return std::nullopt;
    return std::clamp(share, 0.0, 100.0);
}

}  // namespace prynox
