#include "indicators/demark_sequences/td_risk_level.hpp"

#include <algorithm>
#include <cmath>

namespace prynox {

std::expected<TdRiskLevel, IndicatorError> TdRiskLevel::create(std::uint64_t lookback, std::uint64_t run_length) {
    if (lookback == 0 || run_length == 0) return std::unexpected(IndicatorError::zero_period());
    return TdRiskLevel(lookback, run_length);
}

bool TdRiskLevel::update_candle(const Candle& c, std::array<double, 2>& out) {
    double tr = c.high - c.low;
    if (!std::isnan(previous_close_))
        tr = std::max(std::max(tr, std::fabs(c.high - previous_close_)), std::fabs(c.low - previous_close_));
    if (!std::isfinite(tr) || !std::isfinite(c.low - tr) || !std::isfinite(c.high + tr)) [[unlikely]] {
        previous_close_ = c.close;
        return false;
    }
    if (!closes_.make_room()) [[unlikely]]
        return false;
    if (!closes_.full()) {
        (void)closes_.push(c.close);  // room was made above
        previous_close_ = c.close;
        return false;
    }
    const double reference = closes_.oldest();
    (void)closes_.push(c.close);
    if (c.close < reference) {
        if (std::isnan(buy_extreme_.price) || c.low < buy_extreme_.price) buy_extreme_ = {c.low, tr};
        sell_extreme_ = {};
        buy_ = std::min(sat_add(buy_, 1), run_length_);
        sell_ = 0;
        if (buy_ == run_length_) buy_risk_ = buy_extreme_.price - buy_extreme_.range;
    } else if (c.close > reference) {
        if (std::isnan(sell_extreme_.price) || c.high > sell_extreme_.price) sell_extreme_ = {c.high, tr};
        buy_extreme_ = {};
        sell_ = std::min(sat_add(sell_, 1), run_length_);
        buy_ = 0;
        if (sell_ == run_length_) sell_risk_ = sell_extreme_.price + sell_extreme_.range;
    } else {
        buy_extreme_ = {};
        sell_extreme_ = {};
        buy_ = 0;
        sell_ = 0;
    }
    previous_close_ = c.close;
    if (std::isnan(buy_risk_) && std::isnan(sell_risk_)) return false;
    out = {buy_risk_, sell_risk_};
    return true;
}

}  // namespace prynox
