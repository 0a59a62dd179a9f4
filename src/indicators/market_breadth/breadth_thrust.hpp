#pragma once
// Breadth thrust: the exponential average over n lists of the advancing share of the entries
// that moved.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/market_breadth/breadth_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class BreadthThrust {
public:
    static std::expected<BreadthThrust, IndicatorError> create(std::uint64_t period) {
        if (auto e = check_window(period)) return std::unexpected(*e);
        return BreadthThrust(period);
    }

    OptionalValue update_cross_section(std::span<const CrossSectionEntry> list) {
        const BreadthTally t = tally(list);
        return stage_.step(t.advancing / at_least_one(t.advancing + t.declining));
    }
    std::uint64_t warmup_period() const { return stage_.period(); }
    const EmaStage& stage() const { return stage_; }

private:
    explicit BreadthThrust(std::uint64_t period) : stage_(period) {}

    EmaStage stage_;
};

}  // namespace prynox
