#pragma once
// The frame of every chart and harmonic pattern: one swing tracker (reversal 0.05) keeping the
// newest N pivots, so that a pattern type is its rule and nothing else:
//
//     struct DoubleTopBottomRule {
//         static double test(const SwingPivotTracker& t);  // the newest N pivots
//     };
//     using DoubleTopBottom = SwingPattern<DoubleTopBottomRule, 3>;
//
// Each valid candle feeds the tracker its high and low. No value while fewer than N pivots are
// held (this depends on the prices, not on a count of bars); then 0.0 on a bar that confirms no
// pivot, and the rule's signal on a bar that confirms one. The tracker keeps exactly N pivots
// once it has them, so the rule reads them all: from_newest(0) is the pivot just confirmed,
// from_oldest(0) the oldest of the N. The reported warm-up, N + 1, is the least number of bars
// that can confirm N pivots.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <limits>

#include "core/model/market.hpp"
#include "indicators/cores/pattern_signal.hpp"
#include "indicators/cores/swing_pivot_tracker.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr double kSwingReversal = 0.05;

// |a - b| <= share * max(|a|, |b|, smallest normal): the floor keeps the tolerance positive at 0.
inline bool within_share(double a, double b, double share) {
    const double scale = std::max({std::fabs(a), std::fabs(b), std::numeric_limits<double>::min()});
    return std::fabs(a - b) <= share * scale;
}

template <class Rule, std::size_t N>
class SwingPattern {
    static_assert(N >= 1);

public:
    // Built without parameters; it cannot fail.
    static std::expected<SwingPattern, IndicatorError> create() { return SwingPattern(); }

    OptionalValue update_candle(const Candle& c) {
        const SwingStep step = tracker_.update(c.high, c.low);
        if (step == SwingStep::kNoRoom || tracker_.size() < N) return std::nullopt;
        if (step != SwingStep::kConfirmed) return kNoPattern;
        return Rule::test(tracker_);
    }

    static constexpr std::uint64_t warmup_period() { return N + 1; }

    const SwingPivotTracker& tracker() const { return tracker_; }

private:
    SwingPattern() : tracker_(kSwingReversal, N) {}

    SwingPivotTracker tracker_;
};

}  // namespace prynox
