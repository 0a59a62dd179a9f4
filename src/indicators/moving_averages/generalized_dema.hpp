#pragma once
// Generalised double EMA: E1 (1 + v) - E2 v over two chained EMA stages of period N, with the
// volume factor v in [0, 1] (v = 1 is the plain Dema).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kGdVolumeFactorMessage = "GD volume factor must be a finite value in [0.0, 1.0]";

class GeneralizedDema {
public:
    // Window check on N, then v finite in [0, 1].
    static std::expected<GeneralizedDema, IndicatorError> create(std::uint64_t period, double volume_factor);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        auto e1 = e1_.step(x);
        if (!e1 || !std::isfinite(*e1)) return std::nullopt;
        auto e2 = e2_.step(*e1);
        if (!e2) return std::nullopt;
        return *e1 * (1.0 + v_) - *e2 * v_;
    }
    // 2N - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(2, period_), 1); }

private:
    GeneralizedDema(std::uint64_t period, double v) : period_(period), v_(v), e1_(period), e2_(period) {}
    std::uint64_t period_;
    double v_;
    EmaStage e1_;
    EmaStage e2_;
};

}  // namespace prynox
