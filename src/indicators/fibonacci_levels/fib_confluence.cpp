#include "indicators/fibonacci_levels/fib_confluence.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace prynox {

namespace {

constexpr std::size_t kMaxLevels = 3 * (FibConfluenceRule::kMaxPivots - 1);
constexpr double kShare = 0.03, kSmallestNormal = std::numeric_limits<double>::min();

}  // namespace

void FibConfluenceRule::levels(const SwingPivotTracker& t, std::array<double, 2>& out) {
    with_overflow_fallback(out, [&](LevelScale s, std::array<double, 2>& o) {
        std::array<double, kMaxLevels> level;
        std::size_t n = 0;
        for (std::size_t k = 0; k + 1 < t.size(); ++k) {
            const double b = t.from_oldest(k + 1).price * s.down, d = t.from_oldest(k).price * s.down - b;
            level[n++] = b + 0.382 * d, level[n++] = b + 0.5 * d, level[n++] = b + 0.618 * d;
        }
        // An infinite level is close to nothing, not even itself: count on scaled prices instead.
        for (std::size_t j = 0; j < n; ++j)
            if (!std::isfinite(level[j])) return false;
        // |L - c| <= 0.03 * max(|L|, |c|, smallest normal), with each magnitude floored once.
        // Closeness is symmetric, so each pair is tested once; every level is close to itself.
        std::array<double, kMaxLevels> floor;
        for (std::size_t j = 0; j < n; ++j) floor[j] = std::max(std::fabs(level[j]), kSmallestNormal);
        const auto near = [&](std::size_t j, std::size_t k) {
            return std::fabs(level[j] - level[k]) <= kShare * std::max(floor[j], floor[k]);
        };
        std::array<std::uint32_t, kMaxLevels> count;
        count.fill(1);
        for (std::size_t j = 0; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                const std::uint32_t close = near(j, k);
                count[j] += close, count[k] += close;
            }
        std::size_t kept = 0;
        for (std::size_t j = 0; j < n; ++j)
            if (count[j] >= count[kept]) kept = j;
        double sum = -0.0;
        for (std::size_t j = 0; j < n; ++j)
            if (near(j, kept)) sum += level[j];
        const double strength = static_cast<double>(count[kept]);
        o = {sum / strength * s.up, strength};
        return std::isfinite(sum);
    });
}

}  // namespace prynox
