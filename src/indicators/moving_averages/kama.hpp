#pragma once
// Kaufman adaptive moving average: the efficiency ratio of the last N changes (net move over
// the path travelled) blends a fast and a slow smoothing constant.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kKamaOrderMessage = "KAMA fast period must be strictly less than slow";

class Kama {
public:
    // Any zero, then fast < slow; no period is bounded by MAX_PERIOD.
    static std::expected<Kama, IndicatorError> create(std::uint64_t period, std::uint64_t fast, std::uint64_t slow);

    OptionalValue update_value(double x);
    // N + 1
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    Kama(std::uint64_t period, std::uint64_t fast, std::uint64_t slow)
        : window_(sat_add(period, 1)), fast_(2.0 / (static_cast<double>(fast) + 1.0)),
          slow_(2.0 / (static_cast<double>(slow) + 1.0)) {}

    RollingWindow<double> window_;
    double fast_;
    double slow_;
    OptionalValue last_;
};

}  // namespace prynox
