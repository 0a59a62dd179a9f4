#pragma once
// Head and shoulders: shoulders (the newest pivot and the one four before) close, neckline points
// close, and the head beyond both shoulders: -1 on swing highs (top), +1 on swing lows (inverse).
// A head equal to a shoulder is no pattern.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct HeadAndShouldersRule {
    static double test(const SwingPivotTracker& t);
};

using HeadAndShoulders = SwingPattern<HeadAndShouldersRule, 5>;

}  // namespace prynox
