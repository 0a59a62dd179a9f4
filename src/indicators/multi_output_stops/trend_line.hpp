#pragma once
// The state machine of the trend-following stop lines: long, the line rises to the long
// candidate and holds while the close stays at or above it; short, it falls to the short
// candidate and holds while the close stays at or below it; a close beyond it flips the trend
// and the line becomes the other side's candidate of the same bar.
#include <algorithm>

namespace prynox {

struct TrendLine {
    double line = 0.0;
    double direction = 0.0;  // 0 until the first value, then +1 long or -1 short

    // The line and direction for this bar; the first value takes the side `first` (+1 or -1).
    TrendLine next(double close, double long_candidate, double short_candidate, double first) const {
        if (direction == 0.0) [[unlikely]]
            return {first > 0.0 ? long_candidate : short_candidate, first};
        if (direction > 0.0) {
            const double s = std::max(line, long_candidate);
            return close >= s ? TrendLine{s, 1.0} : TrendLine{short_candidate, -1.0};
        }
        const double s = std::min(line, short_candidate);
        return close <= s ? TrendLine{s, -1.0} : TrendLine{long_candidate, 1.0};
    }
};

}  // namespace prynox
