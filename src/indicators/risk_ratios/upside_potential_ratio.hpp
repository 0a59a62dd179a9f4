#pragma once
// Mean upside of the last N returns above a minimum acceptable return (mar), over the root of
// their mean squared shortfall below it; 0 without a shortfall. The two sums are adjusted as
// values leave and enter and never recomputed; counts of their non-zero terms say exactly when
// either is 0, whatever residue it keeps.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/counted_sum.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kUpsidePotentialRatioPeriodMessage = "upside potential ratio needs period >= 2";
inline constexpr const char* kMarMessage = "mar must be finite";

class UpsidePotentialRatio {
public:
    static std::expected<UpsidePotentialRatio, IndicatorError> create(std::uint64_t period, double mar);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        Terms in = terms(x);
        // A distance from mar too large to represent or to square is no input.
        if (!std::isfinite(in.up) || !std::isfinite(in.down)) [[unlikely]]
            return std::nullopt;
        if (!window_.make_room()) [[unlikely]]
            return std::nullopt;
        CountedSum up;
        CountedSum down;
        if (window_.full()) [[likely]] {
            Terms out = terms(window_.oldest());
            up = up_.replaced(out.up, in.up);
            down = down_.replaced(out.down, in.down);
        } else {
            up = up_.added(in.up);
            down = down_.added(in.down);
        }
        if (!std::isfinite(up.sum) || !std::isfinite(down.sum)) [[unlikely]]
            return std::nullopt;
        (void)window_.push(x);  // room was made above
        up_ = up;
        down_ = down;
        if (!window_.full()) [[unlikely]]
            return std::nullopt;
        if (down_.all_zero()) return 0.0;
        double d = down_.sum / n_;
        if (!(d > 0.0)) return 0.0;
        // Like the shortfall: upsides smaller than the residue of those that left can leave the
        // sum at or below 0, and no upside is negative.
        double u = up_.all_zero() || !(up_.sum > 0.0) ? 0.0 : up_.sum / n_;
        double value = u / std::sqrt(d);
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        return value;
    }
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    UpsidePotentialRatio(std::uint64_t period, double mar)
        : window_(period), n_(static_cast<double>(period)), mar_(mar) {}

    struct Terms {
        double up;
        double down;
    };
    // max(r - mar, 0) and min(r - mar, 0)^2.
    Terms terms(double r) const {
        double d = r - mar_;
        return {d > 0.0 ? d : 0.0, d < 0.0 ? d * d : 0.0};
    }

    RollingWindow<double> window_;
    double n_;
    double mar_;
    CountedSum up_;
    CountedSum down_;
};

}  // namespace prynox
