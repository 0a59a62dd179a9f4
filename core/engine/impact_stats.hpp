#pragma once
// What the run's own orders took from the market, summed over its fills.
#include <cstdint>

#include "core/engine/book_fill.hpp"
#include "core/model/report.hpp"

namespace prynox {

struct ImpactAccumulators {
    double weighted_slippage = 0.0;  // sum of weight x slippage_bps
    double weight = 0.0;
    double liquidity = 0.0;  // sum of notional
    std::uint64_t partially_filled = 0;

    void add_entry(const FillResult& fill) {
        weighted_slippage += fill.filled * fill.slippage_bps;
        weight += fill.filled;
        liquidity += fill.notional;
        if (fill.unfilled > 0.0) ++partially_filled;
    }

    // An exit closes the whole position at its exit price, whatever the book filled.
    void add_exit(double abs_qty, double slippage_bps, double exit_price) {
        weighted_slippage += abs_qty * slippage_bps;
        weight += abs_qty;
        liquidity += abs_qty * exit_price;
    }

    ImpactStats finish() const {
        ImpactStats s;
        s.avg_slippage_bps = weight > 0.0 ? round_to_1e8(weighted_slippage / weight) : 0.0;
        s.liquidity_consumed = round_to_1e8(liquidity);
        s.orders_partially_filled = partially_filled;
        return s;
    }
};

}  // namespace prynox
