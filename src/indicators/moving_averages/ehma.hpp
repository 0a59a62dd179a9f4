#pragma once
// Exponential Hull average: the Hull construction with EMA stages, EMA_R(2 EMA_H - EMA_N).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/hull_lengths.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Ehma {
public:
    static std::expected<Ehma, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        auto a = half_.step(x);
        auto b = full_.step(x);
        if (!a || !b) return std::nullopt;
        double raw = (*a + *a) - *b;
        if (!std::isfinite(raw)) return std::nullopt;
        return root_.step(raw);
    }
    std::uint64_t warmup_period() const { return lengths_.warmup(); }
    const HullLengths& lengths() const { return lengths_; }

private:
    explicit Ehma(std::uint64_t period)
        : lengths_(period), half_(lengths_.half), full_(lengths_.full), root_(lengths_.root) {}
    HullLengths lengths_;
    EmaStage half_;
    EmaStage full_;
    EmaStage root_;
};

}  // namespace prynox
