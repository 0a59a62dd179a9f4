#pragma once
// Flag or pennant: a pole (the leg into the middle pivot) and a flag (the leg out of it) that
// gives back less than half of the pole. +1 after a rising pole, -1 after a falling one.
#include "indicators/cores/swing_pattern.hpp"

namespace prynox {

struct FlagPennantRule {
    static double test(const SwingPivotTracker& t);
};

using FlagPennant = SwingPattern<FlagPennantRule, 3>;

}  // namespace prynox
