#pragma once
// McClellan summation index: the running total of its own McClellan oscillator.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/indicator_error.hpp"
#include "indicators/market_breadth/mcclellan_averages.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class McClellanSummationIndex {
public:
    static std::expected<McClellanSummationIndex, IndicatorError> create() { return McClellanSummationIndex(); }

    OptionalValue update_cross_section(std::span<const CrossSectionEntry> list) {
        sum_ += averages_.step(list);
        return sum_;
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    McClellanAverages averages_;
    double sum_ = 0.0;
};

}  // namespace prynox
