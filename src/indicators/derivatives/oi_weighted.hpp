#pragma once
// The mark price weighted by open interest over every tick so far: the sum of open interest
// times mark over the sum of open interest; the tick's mark while no open interest has been
// seen. A tick whose product or sums would not be finite is refused with nothing changed, so one
// huge tick cannot turn the weighted price into NaN for the rest of the run.
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class OIWeighted {
public:
    static std::expected<OIWeighted, IndicatorError> create() { return OIWeighted(); }

    OptionalValue update_tick(const DerivativesTick& t) {
        const double weighted = weighted_ + t.open_interest * t.mark_price;
        const double total = total_ + t.open_interest;
        if (total == 0.0) {
            weighted_ = weighted;
            total_ = total;
            return t.mark_price;
        }
        const double value = weighted / total;
        if (!std::isfinite(value) || !std::isfinite(weighted) || !std::isfinite(total)) [[unlikely]]
            return std::nullopt;
        weighted_ = weighted;
        total_ = total;
        return value;
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    double weighted_ = 0.0;
    double total_ = 0.0;
};

}  // namespace prynox
