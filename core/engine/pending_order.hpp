#pragma once
// The one order that waits for a later bar's open, and how an entry's order type triggers.
#include <cstdint>
#include <utility>

#include "core/model/spec.hpp"

namespace prynox {

enum class OrderKind : std::uint8_t { Stop = 0, Limit = 1, Market = 2 };

struct PendingOrder {
    enum class State : std::uint8_t { None, Entry, Exit };
    State state = State::None;
    std::uint32_t countdown = 0;  // bars still to wait
    bool is_long = true;          // entry direction
    OrderKind kind = OrderKind::Market;
    double trigger_price = 0.0;
};

// Kind and trigger of a next-open entry signalled at `price` (the signal bar's close).
std::pair<OrderKind, double> order_trigger_price(const Execution& execution, double price);

// Bars between an order's bar and the bar whose book fills it: ceil(latency_ms / bar_ms).
std::uint64_t latency_shift(std::uint64_t latency_ms, std::uint64_t bar_ms);

}  // namespace prynox
