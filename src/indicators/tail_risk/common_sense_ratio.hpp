#pragma once
// Common sense ratio of a window of per-bar returns (the closes themselves): the profit factor
// (sum of gains over sum of losses) times the tail ratio; 0 for a window without losses, or
// when the 5 % quantile is 0.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/sorted_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kCommonSenseRatioPeriodMessage = "common sense ratio needs period >= 2";

class CommonSenseRatio {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<CommonSenseRatio, IndicatorError> create(std::uint64_t period);

    // Nothing for a bar whose sums or quantiles are not finite.
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    explicit CommonSenseRatio(std::uint64_t period) : window_(period) {}

    // Kept sorted on every bar: the quantiles read from it are those of a fresh sort.
    SortedWindow window_;
};

}  // namespace prynox
