#pragma once
// MACD histogram: the MACD line (fast EMA - slow EMA) minus its signal EMA. A MACD value that is
// not finite stops the bar before the signal stage.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_pair.hpp"
#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kMacdHistogramOrderMessage = "fast period must be strictly less than slow period";

class MacdHistogram {
public:
    // Zeros of all three, then fast < slow, then MAX_PERIOD on all three.
    static std::expected<MacdHistogram, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                               std::uint64_t signal);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto p = pair_.step(x);
        if (!p) return std::nullopt;
        double m = p->fast - p->slow;
        if (!std::isfinite(m)) [[unlikely]]
            return std::nullopt;
        auto s = signal_.step(m);
        if (!s) return std::nullopt;
        return m - *s;
    }
    // S + G - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_add(pair_.slow_period(), signal_.period()), 1); }

private:
    MacdHistogram(std::uint64_t fast, std::uint64_t slow, std::uint64_t signal) : pair_(fast, slow), signal_(signal) {}
    EmaPair pair_;
    EmaStage signal_;
};

}  // namespace prynox
