#pragma once
// Volatility cone: the sample standard deviation of the last w log returns of the close (not
// annualised), set against its own last l values: their minimum, median and maximum, and the
// share of them at or below the current one, in percent. The deviation comes from sums shifted
// by an anchor that moves to the window mean every w returns. A window of w equal returns (a
// run of equal closes) has a deviation of exactly 0, whatever the shifted sums hold then.
//
// A close at or below 0 gives the last values again (nothing before the first) and changes
// nothing; a return that is not finite (a ratio of closes beyond the doubles) gives nothing and
// leaves the windows as they were, but its close is the one the next return is measured from.
#include <array>
#include <cstdint>
#include <expected>
#include <optional>

#include "core/model/market.hpp"
#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kVolatilityConeLengths = "volatility cone window and lookback must both be >= 2";

class VolatilityCone {
public:
    static constexpr std::array<const char*, 5> kOutputNames{"current", "min", "median", "max", "percentile"};

    // Both zero checks, then both minimums of 2; no maximum: the windows grow with the data.
    static std::expected<VolatilityCone, IndicatorError> create(std::uint64_t window, std::uint64_t lookback);

    bool update_candle(const Candle& c, std::array<double, 5>& out);
    // w + l, saturating
    std::uint64_t warmup_period() const;

private:
    VolatilityCone(std::uint64_t window, std::uint64_t lookback)
        : returns_(window), equal_(window), history_(lookback) {}

    // Takes r into the window; false, with nothing changed, when storage could not grow.
    bool take_return(double r);
    double current() const;

    std::optional<double> previous_;
    std::optional<std::array<double, 5>> last_;
    RollingWindow<double> returns_;
    EqualRun equal_;
    SortedWindow history_;
    double anchor_ = 0.0, s1_ = 0.0, s2_ = 0.0;
    std::uint64_t since_anchor_ = 0;
    bool anchored_ = false;
};

}  // namespace prynox
