#pragma once
// Z-score of the funding rate against the last N rates (itself included), in population
// standard deviations; 0 for a window without spread, decided exactly by the run of equal rates
// (the anchored sums of a window gone flat after variation keep a rounding residue). A rate
// whose deviation squared overflows is taken, and no value is given while the sums are not
// finite: they are whole again at the first re-anchoring after it has left the window. Refusing
// it instead would let a huge first rate, the anchor, block every later one.
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/moment_sums.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class FundingRateZScore {
public:
    // The window check (the constructor ZScore, Variance and CoefficientOfVariation share).
    static std::expected<FundingRateZScore, IndicatorError> create(std::uint64_t period);

    OptionalValue update_tick(const DerivativesTick& t);
    std::uint64_t warmup_period() const { return sums_.period(); }

private:
    explicit FundingRateZScore(MomentSums<2> sums) : sums_(std::move(sums)) {}

    MomentSums<2> sums_;
};

}  // namespace prynox
