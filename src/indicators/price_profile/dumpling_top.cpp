#include "indicators/price_profile/dumpling_top.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/price_profile/rounded_formation.hpp"

namespace prynox {

std::expected<DumplingTop, IndicatorError> DumplingTop::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 5, kDumplingTopPeriod)) return std::unexpected(*e);
    return DumplingTop(period);
}

OptionalValue DumplingTop::update_candle(const Candle& c) {
    if (!closes_.push(c.close)) [[unlikely]]
        return std::nullopt;
    if (!closes_.full()) return std::nullopt;
    const FormationScan s = scan_formation(closes_, [](double a, double b) { return a > b; });
    return extreme_in_middle(s.at, closes_.capacity()) && c.close < s.extreme && c.close < s.first ? -1.0 : 0.0;
}

}  // namespace prynox
