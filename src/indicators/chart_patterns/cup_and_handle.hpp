#pragma once
// Cup and handle: left rim, cup bottom, right rim close to the left rim (3 %), and a handle that
// ends strictly between the cup bottom and the right rim. +1 when the handle ends on a swing low,
// -1 for the inverted cup (handle ending on a swing high).
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct CupAndHandleRule {
    static double test(const SwingPivotTracker& t);
};

using CupAndHandle = SwingPattern<CupAndHandleRule, 4>;

}  // namespace prynox
