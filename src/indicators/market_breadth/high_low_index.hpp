#pragma once
// High-low index: the simple average over n lists of the percent of new highs among the entries
// at a new high or low. A window of equal percents (all zero, say) gives that percent exactly,
// never the running sum's residue.
#include <cstdint>
#include <expected>
#include <span>

#include "indicators/indicator_error.hpp"
#include "indicators/market_breadth/breadth_tally.hpp"
#include "indicators/cores/flat_exact_sma.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class HighLowIndex {
public:
    static std::expected<HighLowIndex, IndicatorError> create(std::uint64_t period) {
        if (auto e = FlatExactSma::check(period)) return std::unexpected(*e);
        return HighLowIndex(period);
    }

    OptionalValue update_cross_section(std::span<const CrossSectionEntry> list) {
        const BreadthTally t = tally(list);
        return sma_.update_value((t.new_highs * 100.0) / at_least_one(t.new_highs + t.new_lows));
    }
    std::uint64_t warmup_period() const { return sma_.period(); }

private:
    explicit HighLowIndex(std::uint64_t period) : sma_(period) {}

    FlatExactSma sma_;
};

}  // namespace prynox
