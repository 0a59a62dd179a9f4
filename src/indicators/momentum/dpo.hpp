#pragma once
// Detrended price oscillator: the close s = N/2 + 1 bars back minus the mean of the newest N
// closes. The running sum of those N closes is re-summed exactly every N accepted bars.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Dpo {
public:
    // The window check.
    static std::expected<Dpo, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // L = max(N/2 + 2, N)
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit Dpo(std::uint64_t period);

    RollingWindow<double> window_;
    std::uint64_t n_;
    double nf_;
    std::size_t shift_;
    double sum_ = 0.0;
    std::uint64_t counter_ = 0;
};

}  // namespace prynox
