#pragma once
// What Trendflex and Reflex share: the close smoothed by a super smoother over half the period,
// the last period + 1 smoothed values, and a decaying mean square of the distance each type
// measures, by which that distance is normalised.
#include <cmath>
#include <cstdint>
#include <optional>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/super_smoother_stage.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FlexCore {
public:
    explicit FlexCore(std::uint64_t period)
        : smoother_(static_cast<double>(period) * 0.5), window_(sat_add(period, 1)), period_(period) {}

    // `distance(window, f0)` gives the type's mean distance of the newest smoothed value f0 from
    // the older ones, reading F_k (k = 1..period) as window.back(k - 1): the window as it stands
    // before f0 joins it. A smoothed value, distance or mean square that overflows gives
    // nothing and changes nothing.
    template <class Distance>
    OptionalValue update(double x, Distance&& distance) {
        if (!std::isfinite(x)) return std::nullopt;
        double f = smoother_.next(x);
        if (!std::isfinite(f)) [[unlikely]]
            return std::nullopt;
        if (!window_.make_room()) [[unlikely]]
            return std::nullopt;
        if (window_.size() < period_) {
            (void)window_.push(f);
            smoother_.commit(x, f);
            return std::nullopt;
        }
        double sum = distance(window_, f);
        double ms = 0.96 * ms_ + sum * (sum * 0.04);
        if (!std::isfinite(ms)) [[unlikely]]
            return std::nullopt;
        (void)window_.push(f);
        smoother_.commit(x, f);
        ms_ = ms;
        return ms > 0.0 ? sum / std::sqrt(ms) : 0.0;
    }

    // period + 1
    std::uint64_t warmup_period() const { return window_.capacity(); }
    std::uint64_t period() const { return period_; }
    const RollingWindow<double>& window() const { return window_; }

private:
    SuperSmootherStage smoother_;
    RollingWindow<double> window_;
    std::uint64_t period_;
    double ms_ = 0.0;
};

}  // namespace prynox
