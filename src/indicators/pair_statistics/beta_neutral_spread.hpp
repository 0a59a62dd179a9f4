#pragma once
// Beta-neutral spread: this bar's close less its fit on this bar's reference, by the regression
// of close on reference over the last N pairs (beta 0 when the reference does not vary).
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kBetaNeutralSpreadPeriodMessage = "beta-neutral spread needs period >= 2";

class BetaNeutralSpread {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<BetaNeutralSpread, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return window_.period(); }

private:
    explicit BetaNeutralSpread(std::uint64_t period) : window_(period) {}

    PairMomentWindow window_;
};

}  // namespace prynox
