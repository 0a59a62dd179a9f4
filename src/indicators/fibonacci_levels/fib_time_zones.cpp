#include "indicators/fibonacci_levels/fib_time_zones.hpp"

#include <algorithm>

#include "indicators/cores/saturating.hpp"

namespace prynox {

namespace {

// 1, 2, 3, 5, ... up to the last that fits 64 bits.
constexpr std::size_t kFibCount = 92;
constexpr std::array<std::uint64_t, kFibCount> kFibonacci = [] {
    std::array<std::uint64_t, kFibCount> f{};
    f[0] = 1, f[1] = 2;
    for (std::size_t k = 2; k < kFibCount; ++k) f[k] = f[k - 1] + f[k - 2];
    return f;
}();
static_assert(kFibonacci.back() > kCountMax - kFibonacci[kFibCount - 2], "the next one does not fit");

}  // namespace

void FibTimeZonesRule::levels(const SwingPivotTracker& t, std::array<double, 2>& out) {
    const std::uint64_t e = current_index(t) - t.from_newest(0).index;
    if (e == 0) {
        out = {0.0, 1.0};
        return;
    }
    const auto next = std::upper_bound(kFibonacci.begin(), kFibonacci.end(), e);
    const bool on = next != kFibonacci.begin() && next[-1] == e;
    // Beyond the last that fits, the next is taken in floating point rather than wrapping.
    const double distance = next != kFibonacci.end()
                                ? static_cast<double>(*next - e)
                                : static_cast<double>(kFibonacci[kFibCount - 2]) +
                                      static_cast<double>(kFibonacci[kFibCount - 1]) - static_cast<double>(e);
    out = {on ? 1.0 : 0.0, distance};
}

}  // namespace prynox
