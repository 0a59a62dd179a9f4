#pragma once
// Pairwise beta: the beta of the last N log returns of the close on those of the reference; only
// strictly positive prices are taken, the first only seeds the returns, and 0 when the
// reference's returns do not vary.
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_changes.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPairwiseBetaPeriodMessage = "pairwise beta needs period >= 2";

class PairwiseBeta {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<PairwiseBeta, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N + 1
    std::uint64_t warmup_period() const { return sat_add(window_.period(), 1); }

private:
    explicit PairwiseBeta(std::uint64_t period) : window_(period) {}

    PairMomentWindow window_;
    PairChanges changes_;
};

}  // namespace prynox
