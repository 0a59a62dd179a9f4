#pragma once
// The frame of the Fibonacci levels over swings: one swing tracker (reversal 0.05) keeping the
// newest kMaxPivots pivots, so that a type is its rule and nothing else:
//
//     struct FibRetracementRule {
//         static constexpr std::array<const char*, 7> kOutputNames{"level_0", ...};
//         static constexpr std::size_t kMaxPivots = 2, kNeeds = 2;
//         static constexpr std::uint64_t kWarmup = 2;
//         static constexpr bool kTimed = false;  // true: the outputs move with the bar index
//         static void levels(const SwingPivotTracker& t, std::array<double, 7>& out);
//     };
//     using FibRetracement = SwingLevels<FibRetracementRule>;
//
// Each valid candle feeds the tracker its high and low. No value while fewer than kNeeds pivots
// are held; then a value on every valid bar. Levels of prices alone change only when a pivot is
// confirmed, so they are computed then and kept; timed levels are computed on every bar.
//
// The reported warm-up is the registry's. A type that needs k pivots gives its first value on
// bar k + 1 at the earliest (a pivot takes its own bar and a later one that confirms it), so for
// most types the first value comes later than the warm-up says.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/swing_pattern.hpp"
#include "indicators/cores/swing_pivot_tracker.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

// The prices a rule computes with are multiplied by `down` and its price outputs by `up`.
//
// Pivots of both signs near the double range make differences that overflow, and a level that
// lies well inside the range would come out infinite or NaN. Such levels are computed again on
// prices scaled by 1/16 and scaled back: scaling by a power of two is exact for normal prices
// (a partner too small to scale exactly vanishes beside the huge one either way), so the levels
// are those the formulas give, rounded as written; a level is infinite only when it truly lies
// beyond the double range. Finite arithmetic runs with the identity scale, bit for bit as written.
struct LevelScale {
    double down, up;
};
inline constexpr LevelScale kPlainScale{1.0, 1.0};
inline constexpr LevelScale kReducedScale{0x1p-4, 16.0};

template <std::size_t N>
bool all_finite(const std::array<double, N>& v) {
    bool ok = true;
    for (double x : v) ok &= std::isfinite(x);
    return ok;
}

// compute(scale, out) fills out and returns false when its arithmetic overflowed.
template <std::size_t N, class F>
void with_overflow_fallback(std::array<double, N>& out, F compute) {
    if (!compute(kPlainScale, out)) [[unlikely]]
        compute(kReducedScale, out);
}

template <class Rule>
class SwingLevels {
public:
    static constexpr auto kOutputNames = Rule::kOutputNames;
    using Values = std::array<double, kOutputNames.size()>;

    // Built without parameters; it cannot fail.
    static std::expected<SwingLevels, IndicatorError> create() { return SwingLevels(); }

    bool update_candle(const Candle& c, Values& out) {
        const SwingStep step = tracker_.update(c.high, c.low);
        if (step == SwingStep::kNoRoom || tracker_.size() < Rule::kNeeds) return false;
        if constexpr (Rule::kTimed) {
            Rule::levels(tracker_, out);
        } else {
            // The first bar with enough pivots is a confirmation, so levels_ is set before use.
            if (step == SwingStep::kConfirmed) Rule::levels(tracker_, levels_);
            out = levels_;
        }
        return true;
    }

    static constexpr std::uint64_t warmup_period() { return Rule::kWarmup; }

    const SwingPivotTracker& tracker() const { return tracker_; }

private:
    SwingLevels() : tracker_(kSwingReversal, Rule::kMaxPivots) {}

    SwingPivotTracker tracker_;
    Values levels_{};
};

// The tracker's current bar index and a pivot's distance from it, or between two pivots, in bars.
inline std::uint64_t current_index(const SwingPivotTracker& t) { return t.bar_count() - 1; }
inline double bars_between(std::uint64_t from, std::uint64_t to) { return static_cast<double>(to - from); }

}  // namespace prynox
