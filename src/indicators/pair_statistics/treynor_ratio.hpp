#pragma once
// Treynor ratio: (mean close - rf) / beta over the last N pairs; 0 when the reference does not
// vary or the beta is 0.
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kTreynorRatioPeriodMessage = "treynor ratio needs period >= 2";

class TreynorRatio {
public:
    // The minimum of 2 with MAX_PERIOD. The rate is used as read.
    static std::expected<TreynorRatio, IndicatorError> create(std::uint64_t period, double rf);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return window_.period(); }

private:
    TreynorRatio(std::uint64_t period, double rf) : window_(period), rf_(rf) {}

    PairMomentWindow window_;
    double rf_;
};

}  // namespace prynox
