#pragma once
// The interface every indicator type is built into, and what one update reads.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/model/market.hpp"

namespace prynox {

struct NamedOutput {
    const char* name;  // static text
    double value;
};

struct CrossSectionEntry;  // market-breadth input; a run never carries it

struct BarContext {
    std::optional<double> reference;        // close of the bar's reference candle
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
    virtual std::optional<double> update(const BarContext& ctx) = 0;
    // Named outputs of the last update that gave a value; a view into the indicator's own
    // storage, valid until the next update. Empty for single-output types.
    virtual std::span<const NamedOutput> outputs() const { return {}; }
    virtual std::uint64_t warmup_period() const = 0;
};

}  // namespace prynox
