#pragma once
// The projection band of the last p candles: each high and low carried forward to the newest
// position along the least-squares slope of its own window; upper is the greatest projected
// high, lower the least projected low, middle their midpoint. The step of ProjectionOscillator
// and of the three-output ProjectionBands. The windows grow with the data up to p.
#include <cmath>
#include <cstdint>

#include "indicators/cores/midpoint.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_slope.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct ProjectionBand {
    double upper;
    double middle;
    double lower;
};

class ProjectionCore {
public:
    static constexpr const char* kShortPeriod = "projection bands need period >= 2";
    // The one check of ProjectionBands and ProjectionOscillator: the minimum of 2 (0 included),
    // then MAX_PERIOD.
    static CheckResult check(std::uint64_t period) { return check_minimum(period, 2, kShortPeriod); }

    // For callers that checked p >= 2 (the divisor of the slope is then never 0).
    explicit ProjectionCore(std::uint64_t period)
        : highs_(period), lows_(period), k_(SlopeConstants::of(period)) {}

    // False (nothing changed) when a window could not grow, or while fewer than p candles are held.
    bool step(double high, double low, ProjectionBand& out) {
        // Both windows must take the candle or neither.
        if (!highs_.make_room() || !lows_.make_room()) [[unlikely]]
            return false;
        (void)highs_.push(high);
        (void)lows_.push(low);
        if (!highs_.full()) return false;
        const double sh = rolling_slope(k_, highs_), sl = rolling_slope(k_, lows_);
        double upper = -INFINITY, lower = INFINITY, w = k_.n - 1.0;
        highs_.for_each([&](double h) {
            const double x = sh * w + h;
            if (x > upper) upper = x;
            w -= 1.0;
        });
        w = k_.n - 1.0;
        lows_.for_each([&](double l) {
            const double x = sl * w + l;
            if (x < lower) lower = x;
            w -= 1.0;
        });
        out = {upper, midpoint(lower, upper), lower};
        return true;
    }

    std::uint64_t period() const { return highs_.capacity(); }

private:
    RollingWindow<double> highs_;
    RollingWindow<double> lows_;
    SlopeConstants k_;
};

}  // namespace prynox
