#include "indicators/demark_sequences/td_lines.hpp"

#include <algorithm>
#include <cmath>

namespace prynox {

std::expected<TdLines, IndicatorError> TdLines::create(std::uint64_t lookback, std::uint64_t run_length) {
    if (lookback == 0 || run_length == 0) return std::unexpected(IndicatorError::zero_period());
    return TdLines(lookback, run_length);
}

bool TdLines::update_candle(const Candle& c, std::array<double, 2>& out) {
    if (!closes_.make_room()) [[unlikely]]
        return false;
    if (!closes_.full()) {
        (void)closes_.push(c.close);  // room was made above
        return false;
    }
    const double reference = closes_.oldest();
    (void)closes_.push(c.close);
    constexpr double inf = std::numeric_limits<double>::infinity();
    if (c.close < reference) {
        highest_ = buy_ == 0 ? c.high : std::max(highest_, c.high);
        lowest_ = inf;
        buy_ = std::min(sat_add(buy_, 1), run_length_);
        sell_ = 0;
        if (buy_ == run_length_) resistance_ = highest_;
    } else if (c.close > reference) {
        lowest_ = sell_ == 0 ? c.low : std::min(lowest_, c.low);
        highest_ = -inf;
        sell_ = std::min(sat_add(sell_, 1), run_length_);
        buy_ = 0;
        if (sell_ == run_length_) support_ = lowest_;
    } else {
        buy_ = 0;
        sell_ = 0;
        highest_ = -inf;
        lowest_ = inf;
    }
    if (std::isnan(resistance_) && std::isnan(support_)) return false;
    out = {resistance_, support_};
    return true;
}

}  // namespace prynox
