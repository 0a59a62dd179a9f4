#pragma once
// Mean of the last N returns over the largest drawdown of their compounded equity curve
// (equity and running peak start at 1); 0 without a drawdown. The sum of the window is kept
// running and recomputed exactly every N updates.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/resummed_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kCalmarRatioPeriodMessage = "calmar ratio needs period >= 2";

class CalmarRatio {
public:
    static std::expected<CalmarRatio, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return returns_.length(); }

private:
    explicit CalmarRatio(std::uint64_t period) : returns_(period), n_(static_cast<double>(period)) {}

    ResummedWindow returns_;
    double n_;
};

}  // namespace prynox
