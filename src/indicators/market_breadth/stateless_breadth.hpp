#pragma once
// A breadth type that keeps nothing: each bar's value is a formula of that bar's list alone.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/indicator_error.hpp"
#include "indicators/market_breadth/breadth_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

template <class Rule>
class StatelessBreadth {
public:
    static std::expected<StatelessBreadth, IndicatorError> create() { return StatelessBreadth(); }

    OptionalValue update_cross_section(std::span<const CrossSectionEntry> list) { return Rule::apply(tally(list)); }
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
