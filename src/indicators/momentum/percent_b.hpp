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
        // The core refuses a non-finite close before it moves.
        auto bands = bands_.update_value(x);
        if (!bands) return std::nullopt;
        // Bands that overflowed (a huge multiplier or deviation) measure nothing: no value, and
        // the core keeps the close it took.
        return finite_result(Rule::apply(x, *bands));
    }

    // N
    std::uint64_t warmup_period() const { return bands_.warmup_period(); }

private:
    explicit BandReading(BollingerBands bands) : bands_(std::move(bands)) {}

    BollingerBands bands_;
};

struct PercentBRule {
    static double apply(double x, const BollingerValue& b);
};

struct BandwidthRule {
    static double apply(double x, const BollingerValue& b);
};

using PercentB = BandReading<PercentBRule>;
using BollingerBandwidth = BandReading<BandwidthRule>;

}  // namespace prynox
