#pragma once
// An RSI whose smoothing factor follows Kaufman's efficiency ratio over the last N changes:
// sc = (er * (2/3 - 2/31) + 2/31)^2, so a trending market moves the averages fast and a
// choppy one slowly. The averages are seeded with the plain means of the first N changes. A
// change, path or average that overflows gives no value and leaves the windows and averages as
// they were; the next change is still taken from that close.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/seeded_gain_loss.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class AdaptiveRsi {
public:
    // Window check on the period.
    static std::expected<AdaptiveRsi, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return closes_.capacity(); }

private:
    explicit AdaptiveRsi(std::uint64_t period)
        : closes_(sat_add(period, 1)), moves_(period), averages_(period) {}

    OptionalValue rebase(double x) {
        previous_ = x;
        return std::nullopt;
    }

    RollingWindow<double> closes_;  // the last N + 1 closes
    RollingWindow<double> moves_;   // the last N absolute changes
    SeededGainLoss averages_;
    double path_ = 0.0;  // running sum of moves_, never re-summed
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
