#pragma once
// Dominant-cycle phase in degrees, from the 50th accepted close on.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/cycle_phase.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HtDcPhase {
public:
    // No parameters: never fails.
    static std::expected<HtDcPhase, IndicatorError> create() { return HtDcPhase(); }

    // The phase from the 50th accepted close on; a close refused by accepts_cycle_close changes
    // nothing.
    OptionalValue update_value(double x) {
        if (!accepts_cycle_close(x)) [[unlikely]]
            return std::nullopt;
        return advance(x);
    }

    std::uint64_t warmup_period() const { return kCycleWarmup; }
    const OptionalValue& last() const { return last_; }
    const CyclePhase& core() const { return core_; }

private:
    HtDcPhase() = default;
    OptionalValue advance(double x);

    CyclePhase core_;
    OptionalValue last_;
};

}  // namespace prynox
