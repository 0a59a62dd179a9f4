#pragma once
// DeMark lines: a run of r closes each below the close a bars earlier sets the resistance at the
// run's highest high (following it while the run goes on); a run above sets the support at its
// lowest low. A close equal to its reference ends both runs. Each line keeps its value until a
// later run replaces it; a line not yet set is NaN, and nothing is given before either is set.
#include <array>
#include <cstdint>
#include <expected>
#include <limits>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class TdLines {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"resistance", "support"};

    // Both zero checks; no upper bound (the window grows with the data).
    static std::expected<TdLines, IndicatorError> create(std::uint64_t lookback, std::uint64_t run_length);

    // A candle the window has no storage for gives nothing and changes nothing.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // a + 1, saturating; the first value waits for a completed run.
    std::uint64_t warmup_period() const { return sat_add(closes_.capacity(), 1); }

private:
    TdLines(std::uint64_t lookback, std::uint64_t run_length) : closes_(lookback), run_length_(run_length) {}

    static constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

    RollingWindow<double> closes_;  // the last a closes
    std::uint64_t run_length_;
    std::uint64_t buy_ = 0;
    std::uint64_t sell_ = 0;
    double highest_ = -std::numeric_limits<double>::infinity();
    double lowest_ = std::numeric_limits<double>::infinity();
    double resistance_ = kUnset;  // NaN: not set (the lines are candle prices, always finite)
    double support_ = kUnset;
};

}  // namespace prynox
