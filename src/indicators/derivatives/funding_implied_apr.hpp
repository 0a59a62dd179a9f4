#pragma once
// The funding rate as a yearly rate: the rate times the number of funding intervals in a year
// (stored as given: 1095.75 stays fractional). A product that overflows gives no value.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kIntervalsPerYearMessage = "intervals_per_year must be finite and positive";

class FundingImpliedApr {
public:
    static std::expected<FundingImpliedApr, IndicatorError> create(double intervals_per_year);

    OptionalValue update_tick(const DerivativesTick& t) const;
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit FundingImpliedApr(double intervals_per_year) : intervals_per_year_(intervals_per_year) {}

    double intervals_per_year_;
};

}  // namespace prynox
