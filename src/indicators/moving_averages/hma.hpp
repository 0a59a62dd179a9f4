#pragma once
// Hull moving average: the weighted average over R = round(sqrt N) of 2 WMA(N/2) - WMA(N),
// which follows the price closely and stays smooth.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/hull_lengths.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/wma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Hma {
public:
    static std::expected<Hma, IndicatorError> create(std::uint64_t period);

    OptionalValue update_value(double x) {
        auto a = half_.update_value(x);
        auto b = full_.update_value(x);
        if (!a || !b) return std::nullopt;
        return root_.update_value((*a + *a) - *b);
    }
    std::uint64_t warmup_period() const { return lengths_.warmup(); }
    const HullLengths& lengths() const { return lengths_; }

private:
    explicit Hma(std::uint64_t period)
        : lengths_(period), half_(lengths_.half), full_(lengths_.full), root_(lengths_.root) {}
    HullLengths lengths_;
    Wma half_;
    Wma full_;
    Wma root_;
};

}  // namespace prynox
