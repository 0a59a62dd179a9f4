#pragma once
// The run's account: cash, the one open position and the closed trades.
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/model/report.hpp"

namespace prynox {

inline constexpr std::string_view kReasonSignal = "signal";
inline constexpr std::string_view kReasonStopLoss = "stop_loss";
inline constexpr std::string_view kReasonTrailingStop = "trailing_stop";
inline constexpr std::string_view kReasonTakeProfit = "take_profit";
inline constexpr std::string_view kReasonLiquidation = "liquidation";
inline constexpr std::string_view kReasonEnd = "end";

struct Account {
    std::vector<TradeRecord> trades;  // closing order
    double cash = 0.0;
    double qty = 0.0;  // signed: long > 0, short < 0
    double entry_price = 0.0;
    std::int64_t entry_time = 0;
    double entry_fee = 0.0;
};

// Opening fill: cash pays signed qty x price plus the fee.
void open_account_position(Account& account, double signed_qty, double price, double fee, std::int64_t time);

// Appends the trade and settles the cash; entry price and time stay until the next opening.
void close_position(Account& account, std::int64_t exit_time, double exit_price, double exit_fee,
                    std::string_view reason);

}  // namespace prynox
