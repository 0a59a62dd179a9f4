#pragma once
// Ulcer index: the root mean square of the percentage drawdowns of the last N closes, each
// measured from the highest close of the N bars ending at it. The sum of squared drawdowns runs
// with the leaving square subtracted and is re-summed exactly every N drawdowns.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class UlcerIndex {
public:
    // Window check on the period.
    static std::expected<UlcerIndex, IndicatorError> create(std::uint64_t period);

    // A non-finite close, or one whose squared drawdown or sum is not finite, gives nothing and
    // changes nothing.
    OptionalValue update_value(double x);
    // 2N - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(2, squares_.capacity()), 1); }

private:
    explicit UlcerIndex(std::uint64_t period)
        : earlier_(period - 1), squares_(period), n_(static_cast<double>(period)) {}

    // The N - 1 closes before the newest: the highest of the last N closes is known before
    // anything moves.
    WindowExtremes earlier_;
    RollingWindow<double> squares_;
    double n_;
    std::uint64_t bars_ = 0;
    double sum_ = 0.0;
    std::uint64_t updates_ = 0;
    // Squares in the window that are not 0: none (no drawdown in the window) gives exactly 0.
    std::uint64_t nonzero_ = 0;
};

}  // namespace prynox
