#pragma once
// The families of indicator types, each contributing the builder rows of its types from its
// own file core/registry/entries_<family>.cpp. How a type is added: docs/architecture.md.
#include <span>

#include "core/registry/registry_entry.hpp"

// Grouped as the behaviour of the types is: single-series families first, then candle,
// multi-output and cross-asset families.
#define PRYNOX_REGISTRY_FAMILIES(X)                                                                    \
    /* single-series (close only) */                                                                  \
    X(moving_averages) X(regression) X(rsi_family) X(momentum) X(ma_oscillators) X(trailing_labels)    \
    X(digital_filters) X(cycles) X(volatility) X(risk_ratios) X(tail_risk) X(window_statistics)        \
    /* candle types */                                                                                 \
    X(directional_movement) X(candle_trailing_stops) X(range_volatility) X(calendar) X(reversal_signals) \
    X(aroon_cci) X(projection_oscillator) X(median_price_oscillators) X(stochastic_momentum)           \
    X(range_oscillators) X(money_flow) X(volume_pressure) X(volume_weighted_averages) X(demark_counts) \
    X(demark_oscillators) X(price_profile) X(price_transforms) X(single_candle_patterns)               \
    X(two_candle_patterns) X(three_candle_patterns) X(multi_candle_patterns) X(chart_patterns)         \
    X(harmonic_patterns) X(demark_bar_pieces) X(volume_lines) X(volume_weighted_prices)                \
    X(williams_yang_zhang)                                                                             \
    /* multi-output types */                                                                           \
    X(bands) X(channels) X(multi_output_stops) X(session_ranges) X(demark_sequences)                   \
    X(multi_output_oscillators) X(macd_family) X(market_profiles) X(candle_transforms) X(pivot_levels) \
    X(fibonacci_levels)                                                                                \
    /* cross-asset and microstructure types */                                                         \
    X(pair_statistics) X(spread_dynamics) X(cointegration) X(derivatives) X(trade_prints) X(order_book) \
    X(market_breadth)

namespace prynox::registry_family {

#define PRYNOX_DECLARE_REGISTRY_FAMILY(name) std::span<const BuilderRow> name();
PRYNOX_REGISTRY_FAMILIES(PRYNOX_DECLARE_REGISTRY_FAMILY)
#undef PRYNOX_DECLARE_REGISTRY_FAMILY

}  // namespace prynox::registry_family
