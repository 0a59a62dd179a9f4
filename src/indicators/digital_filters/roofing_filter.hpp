#pragma once
// Roofing filter: a one-pole high-pass (long period) takes out the trend, a super smoother
// (short period) the noise. Other types embed it with fixed periods through the plain
// constructor.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/one_pole_highpass.hpp"
#include "indicators/cores/super_smoother_stage.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kRoofingOrderMessage = "lp_period must be strictly less than hp_period";

class RoofingFilter {
public:
    // Either period 0, then lp < hp, then lp against MAX_PERIOD (hp is not bounded).
    static std::expected<RoofingFilter, IndicatorError> create(std::uint64_t lp_period, std::uint64_t hp_period);
    // For callers with fixed, valid periods.
    RoofingFilter(std::uint64_t lp_period, std::uint64_t hp_period)
        : highpass_(hp_period), smoother_(static_cast<double>(lp_period)) {}

    // 0 for the first close. A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        double h = highpass_.next(x);
        if (!std::isfinite(h)) [[unlikely]]
            return std::nullopt;
        double f = smoother_.next(h);
        if (!std::isfinite(f)) [[unlikely]]
            return std::nullopt;
        highpass_.commit(x, h);
        smoother_.commit(h, f);
        return f;
    }
    std::uint64_t warmup_period() const { return 1; }

    const OnePoleHighpass& highpass() const { return highpass_; }
    const SuperSmootherStage& smoother() const { return smoother_; }

private:
    OnePoleHighpass highpass_;
    SuperSmootherStage smoother_;
};

}  // namespace prynox
