#pragma once
// TRIX: the one-bar rate of change, in percent, of a triple-smoothed EMA of the close (0 when
// the previous triple-smoothed value is 0). A non-finite first or second stage ends the bar
// before the next stage.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Trix {
public:
    // Window check on the period.
    static std::expected<Trix, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto e1 = e1_.step(x);
        if (!e1 || !std::isfinite(*e1)) return std::nullopt;
        auto e2 = e2_.step(*e1);
        if (!e2 || !std::isfinite(*e2)) return std::nullopt;
        auto e3 = e3_.step(*e2);
        if (!e3) return std::nullopt;
        double previous = previous_;
        previous_ = *e3;
        if (!has_previous_) [[unlikely]] {
            has_previous_ = true;
            return std::nullopt;
        }
        return previous == 0.0 ? 0.0 : ((*e3 - previous) * 100.0) / previous;
    }
    // 3N - 1
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(3, e1_.period()), 1); }

private:
    explicit Trix(std::uint64_t period) : e1_(period), e2_(period), e3_(period) {}
    EmaStage e1_;
    EmaStage e2_;
    EmaStage e3_;
    double previous_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
