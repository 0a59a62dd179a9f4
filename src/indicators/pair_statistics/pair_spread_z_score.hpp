#pragma once
// Pair spread z-score: the log close less beta times the log reference, beta being the
// regression of log close on log reference over the last beta_period pairs (0 when the log
// reference does not vary), as a z-score against the last z_period spreads (population moments;
// 0 when the spreads do not vary). Only strictly positive prices are taken; the spread window is
// fed only once the beta window is full.
#include <cstdint>
#include <expected>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kPairSpreadZScoreBetaMessage = "pair spread z-score needs beta_period >= 2";
inline constexpr const char* kPairSpreadZScoreZMessage = "pair spread z-score needs z_period >= 2";

class PairSpreadZScore {
public:
    // beta_period: the minimum of 2 with MAX_PERIOD; then z_period the same.
    static std::expected<PairSpreadZScore, IndicatorError> create(std::uint64_t beta_period, std::uint64_t z_period);

    // A spread that is not finite, or that the spread window cannot take, refuses the bar with
    // both windows untouched.
    OptionalValue update_pair(double close, double reference);
    // beta_period + z_period - 1
    std::uint64_t warmup_period() const { return logs_.period() + spreads_.length() - 1; }

private:
    // A logarithm of a positive finite double lies within [-744.5, 709.8].
    PairSpreadZScore(std::uint64_t beta_period, std::uint64_t z_period) : logs_(beta_period, 745.0), spreads_(z_period) {}
    // The update from the two logarithms, along the push path both windows can take.
    template <PushPath Path>
    [[gnu::always_inline]] inline OptionalValue update_logs(double lr, double lc);
    [[gnu::noinline, gnu::flatten]] OptionalValue update_logs_rebuilding(double lr, double lc);
    [[gnu::noinline]] OptionalValue update_logs_any(double lr, double lc);

    PairMomentWindow logs_;  // (ln reference, ln close)
    SeriesMomentWindow spreads_;
};

}  // namespace prynox
