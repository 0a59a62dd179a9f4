#pragma once
// Double EMA: 2 E1 - E2 with E2 the EMA of E1, both of period N; cancels most of the lag.
// A non-finite E1 ends the update without feeding E2 (E1 keeps its step).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Dema {
public:
    static std::expected<Dema, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        auto e1 = e1_.step(x);
        if (!e1 || !std::isfinite(*e1)) return std::nullopt;
        auto e2 = e2_.step(*e1);
        if (!e2) return std::nullopt;
        return (*e1 + *e1) - *e2;
    }
    // 2N - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(2, period_), 1); }

private:
    explicit Dema(std::uint64_t period) : period_(period), e1_(period), e2_(period) {}
    std::uint64_t period_;
    EmaStage e1_;
    EmaStage e2_;
};

}  // namespace prynox
