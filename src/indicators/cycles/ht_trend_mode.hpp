#pragma once
// Trend or cycle: 1 while the market trends, 0 while it follows its dominant cycle. A cycle
// shows as the sine of the phase crossing its 45-degree lead and as a phase advancing at about
// the cycle's rate; a price far from the cycle-length trendline is a trend whatever the phase.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/cycle_phase.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/newest_first.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HtTrendMode {
public:
    // No parameters: never fails.
    static std::expected<HtTrendMode, IndicatorError> create() { return HtTrendMode(); }

    // 1.0 or 0.0 from the 50th accepted close on; a close refused by accepts_cycle_close changes
    // nothing.
    OptionalValue update_value(double x) {
        if (!accepts_cycle_close(x)) [[unlikely]]
            return std::nullopt;
        return advance(x);
    }

    std::uint64_t warmup_period() const { return kCycleWarmup; }

private:
    HtTrendMode() = default;
    OptionalValue advance(double x);

    CyclePhase core_;
    NewestFirst<CyclePhase::kSmoothPrices> closes_;
    double previous_phase_ = 0.0;
    double previous_sine_ = 0.0;
    double previous_lead_ = 0.0;
    double days_in_trend_ = 0.0;
    double t1_ = 0.0;  // the last three averages of the closes over the cycle length
    double t2_ = 0.0;
    double t3_ = 0.0;
    OptionalValue last_;
};

}  // namespace prynox
