#pragma once
// A cumulative breadth line: each bar with a list adds that list's net figure to the line, which
// starts at 0. An empty list adds nothing.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/indicator_error.hpp"
#include "indicators/market_breadth/breadth_tally.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

template <class Rule>
class BreadthLine {
public:
    static std::expected<BreadthLine, IndicatorError> create() { return BreadthLine(); }

    OptionalValue update_cross_section(std::span<const CrossSectionEntry> list) {
        line_ += Rule::net(tally(list));
        return line_;
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    double line_ = 0.0;
};

}  // namespace prynox
