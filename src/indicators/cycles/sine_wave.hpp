#pragma once
// Sine of the dominant-cycle phase, from the 50th accepted close on.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cycles/ht_dc_phase.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SineWave {
public:
    // No parameters: never fails.
    static std::expected<SineWave, IndicatorError> create() { return SineWave(); }

    OptionalValue update_value(double x) {
        auto phase = phase_.update_value(x);
        if (!phase) return std::nullopt;
        last_ = std::sin(*phase * 0.017453292519943295);
        return last_;
    }

    std::uint64_t warmup_period() const { return kCycleWarmup; }

private:
    SineWave() : phase_(*HtDcPhase::create()) {}

    HtDcPhase phase_;
    OptionalValue last_;
};

}  // namespace prynox
