#pragma once
// Pearson correlation of close and reference over the last N pairs, from the population moments
// of the shifted moment window; 0 when either does not vary.
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPearsonCorrelationPeriodMessage = "pearson correlation needs period >= 2";

class PearsonCorrelation {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<PearsonCorrelation, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return window_.period(); }

private:
    explicit PearsonCorrelation(std::uint64_t period) : window_(period) {}

    PairMomentWindow window_;
};

}  // namespace prynox
