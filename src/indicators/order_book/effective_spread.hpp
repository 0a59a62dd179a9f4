#pragma once
// The effective spread of the bar's last print in basis points of the quote mid q:
// 2 s (p - q) / q 10000, s the print's sign.
#include <cstdint>
#include <expected>

#include "indicators/boxed.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class EffectiveSpread {
public:
    static std::expected<EffectiveSpread, IndicatorError> create() { return EffectiveSpread(); }

    // A value out of the finite range (a tiny mid) is not given.
    OptionalValue update_trade_quote(const TradeQuote& tq) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
