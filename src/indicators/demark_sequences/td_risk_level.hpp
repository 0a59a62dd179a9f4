#pragma once
// DeMark risk levels: when a run of r closes each below the close a bars earlier completes, the
// buy risk is the low of the run's lowest bar less that bar's true range; a run above gives the
// sell risk, the high of its highest bar plus its true range. A tie keeps the earlier bar. Each
// level keeps its value until a later run replaces it; a level not yet set is NaN, and nothing
// is given before either is set.
//
// A candle whose true range, low less true range or high plus true range is beyond the doubles
// gives nothing and leaves the runs and levels as they were: such a bar would make a level
// infinite. Its close is still the one the next true range reaches to.
#include <array>
#include <cstdint>
#include <expected>
#include <limits>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class TdRiskLevel {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"buy_risk", "sell_risk"};

    // Both zero checks; no upper bound (the window grows with the data).
    static std::expected<TdRiskLevel, IndicatorError> create(std::uint64_t lookback, std::uint64_t run_length);

    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // a + 1, saturating; the first value waits for a completed run.
    std::uint64_t warmup_period() const { return sat_add(closes_.capacity(), 1); }

private:
    TdRiskLevel(std::uint64_t lookback, std::uint64_t run_length) : closes_(lookback), run_length_(run_length) {}

    static constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

    // The extreme bar of a run: its low (buy) or high (sell) and its true range; price NaN: none.
    struct Extreme {
        double price = kUnset;
        double range = 0.0;
    };

    RollingWindow<double> closes_;  // the last a closes
    std::uint64_t run_length_;
    double previous_close_ = kUnset;  // NaN: no previous candle
    std::uint64_t buy_ = 0;
    std::uint64_t sell_ = 0;
    Extreme buy_extreme_;
    Extreme sell_extreme_;
    double buy_risk_ = kUnset;  // NaN: not set (the levels are finite once set)
    double sell_risk_ = kUnset;
};

}  // namespace prynox
