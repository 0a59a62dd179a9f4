#pragma once
// A window of capacity p, of the kind its owner reads: the values themselves (RollingWindow,
// the default) or only their running extremes (WindowExtremes). Built by the one constructor
// that MidPoint, RollingPercentileRank, AverageDrawdown, PainIndex, GainLossRatio,
// ProfitFactor and KellyCriterion share, whose only check is the window check on p. The five
// ratio and drawdown types build their window in ScannedWindow and take the check from here.
#include <cstdint>
#include <expected>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

struct PeriodWindow {
    static CheckResult check(std::uint64_t period) { return check_window(period); }

    template <class Window = RollingWindow<double>>
    static std::expected<Window, IndicatorError> create(std::uint64_t period) {
        if (auto e = check(period)) return std::unexpected(*e);
        return Window(period);
    }
};

}  // namespace prynox
