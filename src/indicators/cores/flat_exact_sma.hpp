#pragma once
// A simple moving average that gives the close itself for a window of N equal closes: the
// running sum of the average may be off there by its drift (an all-zero window would read as
// a tiny non-zero mean), and the run of equal closes says exactly when the window is flat.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/equal_run.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FlatExactSma {
public:
    // The window check on the period: the one constructor that DisparityIndex and the candle
    // types Qstick and TtmTrend share.
    static CheckResult check(std::uint64_t period) { return check_window(period); }
    static std::expected<FlatExactSma, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return FlatExactSma(period);
    }
    // For callers that already checked the period.
    explicit FlatExactSma(std::uint64_t period) : sma_(period), run_(period) {}

    // Takes a finite x: the mean of the last N closes once N are held. None, with nothing
    // changed, when the average's storage could not grow.
    OptionalValue update_value(double x) {
        std::uint64_t held = sma_.ring().count();
        auto mean = sma_.update_value(x);
        // The average refused x only if its storage could not grow: the run must not count it.
        if (!sma_.ring().full() && sma_.ring().count() == held) [[unlikely]]
            return std::nullopt;
        bool constant = run_.push(x);
        if (!mean) return std::nullopt;
        return constant ? x : *mean;
    }

    std::uint64_t period() const { return sma_.period(); }

private:
    Sma sma_;
    EqualRun run_;
};

}  // namespace prynox
