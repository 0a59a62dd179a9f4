#include "indicators/money_flow/chaikin_money_flow.hpp"

#include "indicators/cores/money_flow_volume.hpp"
#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ChaikinMoneyFlow, IndicatorError> ChaikinMoneyFlow::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return ChaikinMoneyFlow(n);
}

OptionalValue ChaikinMoneyFlow::update_candle(const Candle& c) {
    const double mfv = money_flow_volume(c);
    if (!window_.push({mfv, c.volume})) [[unlikely]]
        return {};
    if (!window_.full()) return {};
    const CountedSum& flow = window_.sum(0);
    const CountedSum& volume = window_.sum(1);
    // 0.1 + 0.2 - 0.1 - 0.2 leaves 2.8e-17 in a sum: the count, not the sum, says when a window
    // holds no flow (a window without volume has none either).
    if (flow.all_zero() || volume.sum == 0.0) return 0.0;
    return flow.sum / volume.sum;
}

}  // namespace prynox
