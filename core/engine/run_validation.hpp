#pragma once
// The checks of a run before its first bar, in their fixed order, and the building of its
// indicators. Every error a run can report is found here.
#include <cstdint>
#include <expected>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "core/engine/backtest.hpp"

namespace prynox {

inline constexpr std::string_view kSpecVersionPrefix = "spec_version ";
inline constexpr std::string_view kSpecVersionSuffix = " is not supported; this build reads 1..=";
inline constexpr std::uint32_t kSpecVersion = 1;
inline constexpr std::string_view kRiskPerTradeNeedsStop =
    "sizing risk_per_trade requires risk.stop_loss_pct: the position size is                  derived from "
    "the distance to the stop";
inline constexpr std::string_view kLimitNeedsOffset = "limit order_type requires execution.limit_offset_pct";
inline constexpr std::string_view kStopNeedsOffset = "stop order_type requires execution.stop_offset_pct";
inline constexpr std::string_view kStopLimitNeedsOffsets =
    "stop_limit order_type requires both execution.stop_offset_pct and                      "
    "execution.limit_offset_pct";
inline constexpr std::string_view kPartialFillsNeedCap = "partial_fills requires execution.max_participation";
inline constexpr std::string_view kCloseNeedsMarket = "fill_timing close requires a market order_type";
inline constexpr std::string_view kCloseWithLatency = "fill_timing close is incompatible with latency_bars";
inline constexpr std::string_view kParticipationCapRange = "participation_cap must be in (0, 1]";
inline constexpr std::string_view kImpactCoefRange = "impact coef must be finite and >= 0";
inline constexpr std::string_view kSlippageOverridden = "impact runs override slippage; remove costs.slippage";
inline constexpr std::string_view kNoCandles = "no candles";
inline constexpr std::string_view kWalkNeedsBooks = "orderbook_walk requires a book feed";
inline constexpr std::string_view kBooksLength = "books length must match candles";
inline constexpr std::string_view kReferenceLength = "reference length must match candles";
inline constexpr std::string_view kDerivsLength = "derivs length must match candles";
inline constexpr std::string_view kTradesLength = "trades length must match candles";

// "indicator '{id}' ({type}) declares feed {declared} but consumes {consumed}"
std::string feed_mismatch_message(std::string_view id, std::string_view type, std::string_view declared,
                                  std::string_view consumed);

// The indicators of a run, in ascending byte order of their ids.
struct BuiltIndicators {
    std::vector<std::string_view> ids;  // views of the strategy's keys
    std::vector<std::unique_ptr<Indicator>> objects;
    std::uint64_t warmup = 0;  // the strategy's, else the largest warm-up period
};

struct RunSetup {
    BuiltIndicators indicators;
    std::uint64_t bar_ms = 0;
};

// Checks 1 to 19 of a run; stops at the first failure.
std::expected<RunSetup, CommandError> prepare_run(const ImpactSpec& spec, const RunData& data,
                                                  const IndicatorSource& source);

// A broken promise of an indicator source; never caused by input data.
class EngineInvariantError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// EngineError to the command error of a failed indicator build.
CommandError backtest_error(const EngineError& error);

}  // namespace prynox
