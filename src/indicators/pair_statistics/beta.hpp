#pragma once
// Beta: the population covariance of close and reference over the last N pairs divided by the
// reference's population variance; 0 when the reference does not vary.
#include <cstdint>
#include <expected>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kBetaPeriodMessage = "beta needs period >= 2";

class Beta {
public:
    // The minimum of 2 with MAX_PERIOD.
    static std::expected<Beta, IndicatorError> create(std::uint64_t period);

    OptionalValue update_pair(double close, double reference);
    // N
    std::uint64_t warmup_period() const { return window_.period(); }

private:
    explicit Beta(std::uint64_t period) : window_(period) {}

    PairMomentWindow window_;
};

}  // namespace prynox
