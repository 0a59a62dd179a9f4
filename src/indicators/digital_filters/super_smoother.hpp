#pragma once
// Super smoother of the close: a two-pole low-pass with little lag.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/super_smoother_stage.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SuperSmoother {
public:
    // Window check on the period.
    static std::expected<SuperSmoother, IndicatorError> create(std::uint64_t period);

    // The first two closes pass through. A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        double f = stage_.next(x);
        if (!std::isfinite(f)) [[unlikely]]
            return std::nullopt;
        stage_.commit(x, f);
        return f;
    }
    std::uint64_t warmup_period() const { return 1; }

    const SuperSmootherStage& stage() const { return stage_; }

private:
    explicit SuperSmoother(std::uint64_t period) : stage_(static_cast<double>(period)) {}

    SuperSmootherStage stage_;
};

}  // namespace prynox
