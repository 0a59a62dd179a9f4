#pragma once
// The nine performance figures of a run, from its equity curve and its closed trades.
#include <span>

#include "core/model/report.hpp"

namespace prynox {

Metrics compute_metrics(std::span<const double> equity, std::span<const TradeRecord> trades, double capital);
// The same over the equity points' values, in bar order.
Metrics compute_metrics(std::span<const EquityPoint> equity, std::span<const TradeRecord> trades, double capital);

}  // namespace prynox
