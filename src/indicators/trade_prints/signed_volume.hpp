#pragma once
// The signed size of the bar's last print: + for a buy, - for a sell.
#include <cstdint>
#include <expected>
#include <span>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class SignedVolume {
public:
    static std::expected<SignedVolume, IndicatorError> create() { return SignedVolume(); }

    OptionalValue update_trades(std::span<const TradePrint> prints) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
