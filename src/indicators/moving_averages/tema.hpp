#pragma once
// Triple EMA: 3 E1 - 3 E2 + E3 over three chained EMA stages of period N. A non-finite
// intermediate output ends the update; the stages already stepped keep their state.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Tema {
public:
    static std::expected<Tema, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        auto e1 = e1_.step(x);
        if (!e1 || !std::isfinite(*e1)) return std::nullopt;
        auto e2 = e2_.step(*e1);
        if (!e2 || !std::isfinite(*e2)) return std::nullopt;
        auto e3 = e3_.step(*e2);
        if (!e3) return std::nullopt;
        return (3.0 * *e1 - 3.0 * *e2) + *e3;
    }
    // 3N - 2
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(3, period_), 2); }

private:
    explicit Tema(std::uint64_t period) : period_(period), e1_(period), e2_(period), e3_(period) {}
    std::uint64_t period_;
    EmaStage e1_;
    EmaStage e2_;
    EmaStage e3_;
};

}  // namespace prynox
