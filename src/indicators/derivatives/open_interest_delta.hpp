#pragma once
// Change in open interest since the previous tick; no value on the first tick.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OpenInterestDelta {
public:
    static std::expected<OpenInterestDelta, IndicatorError> create() { return OpenInterestDelta(); }

    OptionalValue update_tick(const DerivativesTick& t) {
        // Both are finite and not negative, so the difference is finite.
        const OptionalValue value = seen_ ? OptionalValue(t.open_interest - previous_) : OptionalValue();
        previous_ = t.open_interest;
        seen_ = true;
        return value;
    }
    std::uint64_t warmup_period() const { return 2; }

private:
    double previous_ = 0.0;
    bool seen_ = false;
};

}  // namespace prynox
