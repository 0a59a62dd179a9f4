#pragma once
// Elder impulse: +1 when both the trend EMA and the MACD histogram rose since the last bar that
// had both, -1 when both fell, 0 otherwise.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/ma_oscillators/macd_histogram.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ElderImpulse {
public:
    // The trend period's window check, then the MACD histogram's checks.
    static std::expected<ElderImpulse, IndicatorError> create(std::uint64_t trend, std::uint64_t fast,
                                                              std::uint64_t slow, std::uint64_t signal);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto t = trend_.step(x);
        auto h = macd_.update_value(x);
        if (!h || !t) return std::nullopt;
        bool had_previous = has_previous_;
        double previous_trend = previous_trend_;
        double previous_histogram = previous_histogram_;
        previous_trend_ = *t;
        previous_histogram_ = *h;
        has_previous_ = true;
        if (!had_previous) return std::nullopt;
        if (*h > previous_histogram && *t > previous_trend) return 1.0;
        if (*h < previous_histogram && *t < previous_trend) return -1.0;
        return 0.0;
    }
    // max(S + G - 1, E) + 1
    std::uint64_t warmup_period() const {
        std::uint64_t macd = macd_.warmup_period();
        return sat_add(macd > trend_.period() ? macd : trend_.period(), 1);
    }

private:
    ElderImpulse(EmaStage trend, MacdHistogram macd) : trend_(trend), macd_(macd) {}
    EmaStage trend_;
    MacdHistogram macd_;
    double previous_trend_ = 0.0;
    double previous_histogram_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
