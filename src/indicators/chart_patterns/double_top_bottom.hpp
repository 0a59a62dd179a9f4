#pragma once
// Double top or bottom: the newest pivot close to the one two before it (3 %). -1 on a swing
// high (double top), +1 on a swing low (double bottom).
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct DoubleTopBottomRule {
    static double test(const SwingPivotTracker& t);
};

using DoubleTopBottom = SwingPattern<DoubleTopBottomRule, 3>;

}  // namespace prynox
