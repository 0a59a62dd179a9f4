#pragma once
// McClellan oscillator: the fast breadth average less the slow one.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/indicator_error.hpp"
#include "indicators/market_breadth/mcclellan_averages.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class McClellanOscillator {
public:
    static std::expected<McClellanOscillator, IndicatorError> create() { return McClellanOscillator(); }

    OptionalValue update_cross_section(std::span<const CrossSectionEntry> list) { return averages_.step(list); }
    std::uint64_t warmup_period() const { return 1; }

private:
    McClellanAverages averages_;
};

}  // namespace prynox
