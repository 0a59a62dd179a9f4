#pragma once
// Chande's variable index dynamic average: an EMA whose factor is scaled by |CMO| / 100, so it
// moves with the strength of the recent momentum.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/rsi_family/cmo.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Vidya {
public:
    // Either period 0, then the CMO period against MAX_PERIOD (the smoothing period only sets
    // alpha and is not bounded).
    static std::expected<Vidya, IndicatorError> create(std::uint64_t alpha_period, std::uint64_t cmo_period);

    OptionalValue update_value(double x);
    // Q + 1
    std::uint64_t warmup_period() const { return cmo_.warmup_period(); }

private:
    Vidya(std::uint64_t alpha_period, std::uint64_t cmo_period)
        : cmo_(cmo_period), alpha_(2.0 / (static_cast<double>(alpha_period) + 1.0)) {}

    Cmo cmo_;
    double alpha_;
    OptionalValue last_;
};

}  // namespace prynox
