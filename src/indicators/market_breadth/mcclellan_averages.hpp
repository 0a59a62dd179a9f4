#pragma once
// The two breadth averages of the McClellan oscillator: the net advance ratio in per mille,
// smoothed at 0.1 and at 0.05 (each a product, then a sum), both starting at the first ratio.
#include <span>

#include "indicators/market_breadth/breadth_tally.hpp"

namespace prynox {

class McClellanAverages {
public:
    // fast - slow after this list; 0 on the first.
    double step(std::span<const CrossSectionEntry> list) {
        const BreadthTally t = tally(list);
        const double x = ((t.advancing - t.declining) / at_least_one(t.advancing + t.declining)) * 1000.0;
        if (!seeded_) {
            fast_ = x;
            slow_ = x;
            seeded_ = true;
        } else {
            fast_ = fast_ + 0.1 * (x - fast_);
            slow_ = slow_ + 0.05 * (x - slow_);
        }
        return fast_ - slow_;
    }

private:
    double fast_ = 0.0;
    double slow_ = 0.0;
    bool seeded_ = false;
};

}  // namespace prynox
