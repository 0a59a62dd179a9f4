#pragma once
// Naked point of control: the bars are taken in consecutive blocks of p; each completed block
// leaves the price of the point of control of its volume profile over b bins (its low when the
// block has no range) as a level, which stays "naked" until a later bar's range covers it. The
// value is the naked level nearest to the close (the older one on a tie), or the close itself
// when none is left; none before the first block completes.
//
// The levels are kept ordered by price in a balanced tree, so a bar finds the levels it touches
// and the nearest one in logarithmic time instead of scanning every level of a long run (and a
// level made below or above many others costs no more than one made beside the price). Levels at one price are one
// level (the oldest): they are touched together and the oldest wins every tie. A bin count above
// the maximum period is refused. A candle that would give its block a range beyond the doubles
// (its level would be infinite) or a total volume beyond them (its bins would hold infinities, of
// which the first, not the heaviest, would be the point of control) gives nothing and changes
// nothing.
#include <cstdint>
#include <expected>
#include <memory>
#include <set>
#include <vector>

#include "core/model/market.hpp"
#include "indicators/cores/profile_bins.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"
#include "indicators/price_profile/node_pool.hpp"

namespace prynox {

class NakedPoc {
public:
    NakedPoc(NakedPoc&&) = default;
    NakedPoc& operator=(NakedPoc&&) = delete;  // the levels live in the pool the state owns

    // Both zero checks, then the maximum on the bin count; the block length has no upper bound.
    static std::expected<NakedPoc, IndicatorError> create(std::uint64_t period, std::uint64_t bins);

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return period_; }

private:
    struct Level {
        double price;
        std::uint64_t order;  // when the level was made
    };
    struct ByPrice {
        using is_transparent = void;
        bool operator()(const Level& a, const Level& b) const { return a.price < b.price; }
        bool operator()(const Level& a, double b) const { return a.price < b; }
        bool operator()(double a, const Level& b) const { return a < b.price; }
    };
    using Levels = std::set<Level, ByPrice, PoolAllocator<Level>>;

    NakedPoc(std::uint64_t period, std::uint64_t bins)
        : pool_(std::make_unique<NodePool>()),
          levels_(PoolAllocator<Level>(pool_.get())),
          period_(period),
          bins_(bins),
          scratch_(bins) {}

    // Storage for one more candle of the block and, when it completes the block, for one more
    // level and the bins; false when it could not be had.
    bool make_room(bool completes);
    double profile_level() const;
    double nearest(double close) const;

    struct Block {
        std::vector<Candle> candles;
        template <class F>
        void for_each(F&& f) const {
            for (const Candle& c : candles) f(c);
        }
    };

    Block block_;
    double block_lo_ = 0.0;
    double block_hi_ = 0.0;
    double block_volume_ = 0.0;
    std::unique_ptr<NodePool> pool_;  // before the levels: it outlives them
    Levels levels_;                   // one level per price
    std::uint64_t period_;
    std::uint64_t bins_;
    std::uint64_t made_ = 0;
    bool completed_ = false;
    mutable BinScratch<double> scratch_;
};

}  // namespace prynox
