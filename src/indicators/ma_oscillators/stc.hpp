#pragma once
// Schaff trend cycle: a stochastic of the MACD line over C bars, smoothed by the factor f, then
// a stochastic of that smoothed line over C bars, smoothed again. A flat window gives 0.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/window_extremes.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kStcOrderMessage = "STC fast period must be strictly less than slow";
inline constexpr const char* kStcFactorMessage = "STC factor must be a finite value in (0, 1]";

class Stc {
public:
    // Zeros of fast, slow and cycle; fast < slow; the factor; MAX_PERIOD on fast and slow. The
    // cycle is not bounded: its windows grow with the data seen.
    static std::expected<Stc, IndicatorError> create(std::uint64_t fast, std::uint64_t slow, std::uint64_t cycle,
                                                     double factor);

    OptionalValue update_value(double x);
    // S + 2C - 2
    std::uint64_t warmup_period() const {
        return sat_add(pair_.slow_period(), sat_sub(sat_mul(2, macd_.length()), 2));
    }

private:
    Stc(std::uint64_t fast, std::uint64_t slow, std::uint64_t cycle, double factor)
        : pair_(fast, slow), macd_(cycle), first_(cycle), factor_(factor) {}

    EmaPair pair_;
    // Only the extremes of the two windows are read: block extremes give exactly what a scan
    // would, in O(1).
    WindowExtremes macd_;
    WindowExtremes first_;
    double factor_;
    double first_value_ = 0.0;
    double result_ = 0.0;
    bool has_first_value_ = false;
    bool has_result_ = false;
};

}  // namespace prynox
