#pragma once
// The quoted spread in basis points of the mid of the best bid and ask; 0 with an empty side.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class QuotedSpread {
public:
    static std::expected<QuotedSpread, IndicatorError> create() { return QuotedSpread(); }

    OptionalValue update_book(const OrderBook& book) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
