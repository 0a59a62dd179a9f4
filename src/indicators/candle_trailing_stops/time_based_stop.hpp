#pragma once
// The share of a budget of N bars used so far: 1/N on the first valid candle, up to 1 from
// candle N on.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class TimeBasedStop {
public:
    // The window check on the budget.
    static std::expected<TimeBasedStop, IndicatorError> create(std::uint64_t budget);

    OptionalValue update_candle(const Candle&) {
        // The count stops at the budget: from there on the share is 1 for ever.
        if (count_ < budget_) ++count_;
        return static_cast<double>(count_) / static_cast<double>(budget_);
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit TimeBasedStop(std::uint64_t budget) : budget_(budget) {}

    std::uint64_t budget_;
    std::uint64_t count_ = 0;
};

}  // namespace prynox
