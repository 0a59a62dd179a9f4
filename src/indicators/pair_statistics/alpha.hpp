#pragma once
// Alpha: the mean close over the last N pairs less what the regression on the reference
// predicts for it, mean_x - (rf + beta (mean_y - rf)); mean_x - rf when the reference does not
// vary (population moments of the shifted moment window).
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kAlphaPeriodMessage = "alpha needs period >= 2";

class Alpha {
public:
    // The minimum of 2 with MAX_PERIOD. The rate is used as read.
    static std::expected<Alpha, IndicatorError> create(std::uint64_t period, double rf);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return window_.period(); }

private:
    Alpha(std::uint64_t period, double rf) : window_(period), rf_(rf) {}

    PairMomentWindow window_;
    double rf_;
};

}  // namespace prynox
