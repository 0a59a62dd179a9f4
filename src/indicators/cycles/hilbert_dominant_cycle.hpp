#pragma once
// Smoothed dominant-cycle period in bars, from the 50th accepted close on.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/cycle_phase.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HilbertDominantCycle {
public:
    // No parameters: never fails.
    static std::expected<HilbertDominantCycle, IndicatorError> create() { return HilbertDominantCycle(); }

    // The smoothed period from the 50th accepted close on; a close refused by
    // accepts_cycle_close changes nothing.
    OptionalValue update_value(double x) {
        if (!accepts_cycle_close(x)) [[unlikely]]
            return std::nullopt;
        return advance(x);
    }

    std::uint64_t warmup_period() const { return kCycleWarmup; }
    const OptionalValue& last() const { return last_; }
    double period() const { return pipeline_.period(); }

private:
    HilbertDominantCycle() = default;

    OptionalValue advance(double x) {
        auto step = pipeline_.step(x);
        if (step.stage != HilbertPipeline::Stage::Measured) return std::nullopt;
        smooth_period_ = 0.33 * pipeline_.period() + 0.67 * smooth_period_;
        if (pipeline_.update_count() < kCycleWarmup) return std::nullopt;
        last_ = smooth_period_;
        return last_;
    }

    HilbertPipeline pipeline_;
    double smooth_period_ = 0.0;
    OptionalValue last_;
};

}  // namespace prynox
