#pragma once
// (B - S) / (B + S) over the last n prints, B and S their buy and sell volume. The sums are only
// ever added to and subtracted from, so once one side has left the window they may keep a
// residue; exact counts of the non-zero buy and sell sizes held decide the one-sided and empty
// windows (1, -1, 0), and the ratio is clamped to [-1, 1].
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/cores/pair_sums_window.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TradeImbalance {
public:
    // Window check on the period (the constructor IntradayMomentumIndex shares).
    static std::expected<TradeImbalance, IndicatorError> create(std::uint64_t period);

    // A print whose sums (or their total) would not be finite is skipped.
    OptionalValue update_trades(std::span<const TradePrint> prints);
    std::uint64_t warmup_period() const { return pairs_.capacity(); }

private:
    explicit TradeImbalance(PairSumsWindow w)
        : pairs_(std::move(w.pairs)), buy_(w.first_sum), sell_(w.second_sum) {}

    RollingWindow<ValuePair> pairs_;  // (buy size, sell size) of each print
    double buy_;
    double sell_;
    std::uint64_t buys_ = 0;   // non-zero buy sizes held
    std::uint64_t sells_ = 0;  // non-zero sell sizes held
};

}  // namespace prynox
