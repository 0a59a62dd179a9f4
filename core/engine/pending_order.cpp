#include "core/engine/pending_order.hpp"

namespace prynox {

std::pair<OrderKind, double> order_trigger_price(const Execution& execution, double price) {
    switch (execution.order_type) {
        case OrderType::Limit:
            if (!execution.limit_offset_pct) return {OrderKind::Limit, price};
            return {OrderKind::Limit, price * (1.0 + *execution.limit_offset_pct / 100.0)};
        case OrderType::Stop:
            if (!execution.stop_offset_pct) return {OrderKind::Stop, price};
            return {OrderKind::Stop, price * (1.0 + *execution.stop_offset_pct / 100.0)};
        case OrderType::Market:
        case OrderType::StopLimit: break;
    }
    return {OrderKind::Market, price};
}

std::uint64_t latency_shift(std::uint64_t latency_ms, std::uint64_t bar_ms) {
    if (bar_ms == 0) return 0;
    return latency_ms / bar_ms + (latency_ms % bar_ms != 0 ? 1 : 0);
}

}  // namespace prynox
