#pragma once
// Tail ratio of a window of per-bar returns (the closes themselves): the 95 % quantile over
// the magnitude of the 5 % quantile, 0 when the 5 % quantile is 0.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kTailRatioPeriodMessage = "tail ratio needs period >= 2";

class TailRatio {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<TailRatio, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit TailRatio(std::uint64_t period) : window_(period) {}

    SortedWindow window_;
};

}  // namespace prynox
