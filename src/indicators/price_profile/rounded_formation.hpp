#pragma once
// The window of closes that the rounded formations read: the oldest close, and the position
// (0 = oldest) of the first occurrence of the window's top (or bottom) close.
#include <cstddef>
#include <cstdint>

#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct FormationScan {
    double first;
    double extreme;
    std::size_t at;
};

// `beyond(a, b)`: a lies strictly beyond b (above for a top, below for a bottom).
template <class Beyond>
FormationScan scan_formation(const RollingWindow<double>& closes, Beyond beyond) {
    FormationScan s{closes[0], closes[0], 0};
    for (std::size_t i = 1; i < closes.size(); ++i)
        if (beyond(closes[i], s.extreme)) s.extreme = closes[i], s.at = i;
    return s;
}

// Whether the extreme lies in the middle of the window: from n / 4 (rounded down) up to
// n - n / 4, excluded.
inline bool extreme_in_middle(std::size_t at, std::uint64_t n) {
    const std::uint64_t q = n / 4;
    return q <= at && at < n - q;
}

}  // namespace prynox
