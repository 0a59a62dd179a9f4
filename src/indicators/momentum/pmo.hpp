#pragma once
// Price momentum oscillator: the one-bar rate of change in percent, smoothed twice by stages
// that start at their first input and move by alpha = 2 / P (and 2 / Q), the second fed ten
// times the first.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPmoPeriodMessage = "PMO smoothing periods must be >= 2";

class Pmo {
public:
    // Any zero, then both periods at least 2; neither is bounded by MAX_PERIOD.
    static std::expected<Pmo, IndicatorError> create(std::uint64_t first, std::uint64_t second);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 2; }

private:
    Pmo(std::uint64_t first, std::uint64_t second)
        : first_(first, 2.0 / static_cast<double>(first), 1), second_(second, 2.0 / static_cast<double>(second), 1) {}

    EmaStage first_;
    EmaStage second_;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
