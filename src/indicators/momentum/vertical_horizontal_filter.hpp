#pragma once
// Vertical horizontal filter: the range of the last N closes over the path the close travelled
// in its last N one-bar changes.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class VerticalHorizontalFilter {
public:
    // The window check.
    static std::expected<VerticalHorizontalFilter, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const;

private:
    explicit VerticalHorizontalFilter(std::uint64_t period) : closes_(period), changes_(period) {}
    double rebuild_path() const;

    // The highest and lowest of the last N closes, as a scan would find them.
    WindowExtremes closes_;
    RollingWindow<double> changes_;
    double path_ = 0.0;  // V: running sum of the changes in the window
    // Non-zero changes in the window: with none the path is exactly 0, whatever residue the
    // running sum kept from the changes that left.
    std::uint64_t moves_ = 0;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
