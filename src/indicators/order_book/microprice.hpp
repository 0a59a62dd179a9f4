#pragma once
// The size-weighted price of the best levels, (pb sa + pa sb) / (sb + sa): each price weighted
// by the size on the other side; the mid when the top holds no size, 0 with an empty side.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Microprice {
public:
    static std::expected<Microprice, IndicatorError> create() { return Microprice(); }

    // A total size or a weighted price that is not finite gives no value.
    OptionalValue update_book(const OrderBook& book) const;
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
