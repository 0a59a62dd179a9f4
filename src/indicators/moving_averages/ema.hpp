#pragma once
// Exponential moving average of the close: one EMA stage, its first value the mean of the
// first N closes.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Ema {
public:
    static std::expected<Ema, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        return stage_.step(x);
    }
    std::uint64_t warmup_period() const { return stage_.period(); }
    const EmaStage& stage() const { return stage_; }

private:
    explicit Ema(std::uint64_t period) : stage_(period) {}
    EmaStage stage_;
};

}  // namespace prynox
