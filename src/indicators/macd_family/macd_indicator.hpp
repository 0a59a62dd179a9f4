#pragma once
// Moving-average convergence/divergence: the fast EMA of the close minus the slow one, its
// signal EMA and their difference. The pair of averages takes every accepted close, also while
// one of them still seeds; a constant series gives a line of exactly 0 (see EmaPair).
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "indicators/cores/ema_pair.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kMacdOrderMessage = "fast period must be strictly less than slow period";

class MacdIndicator {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"macd", "signal", "histogram"};

    // Zeros of all three, then fast < slow, then MAX_PERIOD on all three.
    static std::expected<MacdIndicator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                               std::uint64_t signal);
    // Stages whose periods the caller checked; their own weights stand (MacdFix).
    MacdIndicator(EmaStage fast, EmaStage slow, EmaStage signal) : pair_(fast, slow), signal_(signal) {}

    bool update_value(double x, std::array<double, 3>& out) {
        if (!std::isfinite(x)) [[unlikely]]
            return false;
        auto p = pair_.step(x);
        if (!p) return false;
        const double macd = p->fast - p->slow;
        if (!std::isfinite(macd)) [[unlikely]]
            return false;
        auto signal = signal_.step(macd);
        if (!signal) return false;
        out = {macd, *signal, macd - *signal};
        return true;
    }

    // slow + signal - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_add(pair_.slow_period(), signal_.period()), 1); }

private:
    EmaPair pair_;
    EmaStage signal_;
};

}  // namespace prynox
