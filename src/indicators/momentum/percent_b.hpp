#pragma once
// Two readings of the Bollinger bands of the close over one band core and one constructor:
// %B, where the close sits between the bands (0 on the lower band, 1 on the upper, 0.5 when the
// bands coincide), and the bandwidth, the distance between the bands as a fraction of their
// middle (0 when the middle is 0). Each type is its own instantiation, so it has its own
// operations table once boxed.
#include <cstdint>
#include <expected>
#include <optional>
#include <utility>

#include "indicators/cores/bollinger.hpp"
#include "indicators/cores/finite_result.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

// Rule: static double apply(double x, const BollingerValue& bands).
template <class Rule>
class BandReading {
public:
    // The window check on the period, then the multiplier check.
    static std::expected<BandReading, IndicatorError> create(std::uint64_t period, double multiplier) {
        auto bands = BollingerBands::create(period, multiplier);
        if (!bands) return std::unexpected(bands.error());
        return BandReading(std::move(*bands));
    }

    OptionalValue update_value(double x) {
        // The core refuses a non-finite close before it moves. Its step fills the lines in
        // place, where a returned optional would pass them through memory.
        BollingerValue bands;
        if (!bands_.step(x, bands)) return std::nullopt;
        // Bands that overflowed (a huge multiplier or deviation) measure nothing: no value, and
        // the core keeps the close it took.
        return finite_result(Rule::apply(x, bands));
    }

    // N
    std::uint64_t warmup_period() const { return bands_.warmup_period(); }

private:
    explicit BandReading(BollingerBands bands) : bands_(std::move(bands)) {}

    BollingerBands bands_;
};

// A constant window gives three equal lines exactly (the core tracks the run of equal closes),
// so the guards below see a width of exactly 0 there. Inline, so the lines stay in registers.
struct PercentBRule {
    static double apply(double x, const BollingerValue& b) {
        double width = b.upper - b.lower;
        if (width == 0.0) return 0.5;
        return (x - b.lower) / width;
    }
};

struct BandwidthRule {
    static double apply(double, const BollingerValue& b) {
        if (b.middle == 0.0) return 0.0;
        return (b.upper - b.lower) / b.middle;
    }
};

using PercentB = BandReading<PercentBRule>;
using BollingerBandwidth = BandReading<BandwidthRule>;

}  // namespace prynox
