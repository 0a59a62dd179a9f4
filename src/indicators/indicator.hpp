#pragma once
// The interface every indicator type is built into, and what one update reads.
#include <cstdint>
#include <span>
#include <vector>

#include "core/model/market.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct NamedOutput {
    const char* name;  // static text
    double value;
};

// One instrument of a market's cross-section; a run never carries a cross-section list.
struct CrossSectionEntry {
    double change = 0.0;
    double volume = 0.0;
    bool new_high = false;
    bool new_low = false;
    bool above_ma = false;
    bool bullish = false;
};

struct BarContext {
    OptionalValue reference;                 // close of the bar's reference candle
    const DerivativesTick* deriv = nullptr;  // only when the tick passed its checks
    const Candle* candle = nullptr;          // always set by the engine
    std::span<const TradePrint> trades;      // prints that passed their checks
    const OrderBook* book = nullptr;         // only when the book passed its checks
    const std::vector<CrossSectionEntry>* cross_section = nullptr;  // always absent in a run
};

class Indicator {
public:
    virtual ~Indicator() = default;
    // One bar; no value while warming up or when this bar's input is rejected.
    virtual OptionalValue update(const BarContext& ctx) = 0;
    // Named outputs of the last update that gave a value, in the type's fixed order; a view into
    // the indicator's own storage, valid until the next update. Empty for single-output types
    // and before the first value.
    virtual std::span<const NamedOutput> outputs() const { return {}; }
    // The type's output names, fixed for its whole life, so that callers can bind them to
    // positions once. Empty for single-output types.
    virtual std::span<const char* const> output_names() const { return {}; }
    virtual std::uint64_t warmup_period() const = 0;
};

}  // namespace prynox
