#include "core/engine/account.hpp"

#include <cmath>
#include <string>

#include "core/engine/rules.hpp"

namespace prynox {

void open_account_position(Account& a, double signed_qty, double price, double fee, std::int64_t time) {
    a.cash -= signed_qty * price + fee;
    a.qty = signed_qty;
    a.entry_price = price;
    a.entry_time = time;
    a.entry_fee = fee;
}

void close_position(Account& a, std::int64_t exit_time, double exit_price, double exit_fee,
                    std::string_view reason) {
    const double qty = a.qty;
    a.cash += qty * exit_price - exit_fee;
    const double pnl = qty * (exit_price - a.entry_price) - a.entry_fee - exit_fee;
    const double basis = std::fabs(qty) * a.entry_price;
    const double return_pct = std::fabs(basis) < kEpsilon ? 0.0 : pnl / basis * 100.0;
    a.trades.push_back(TradeRecord{a.entry_time, exit_time, a.entry_price, exit_price, qty, pnl, return_pct,
                                   std::string(reason)});
    a.qty = 0.0;
    a.entry_fee = 0.0;
}

}  // namespace prynox
