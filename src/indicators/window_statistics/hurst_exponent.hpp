#pragma once
// Hurst exponent of the last N closes by rescaled range: for k = 1 .. C the window is cut into k
// chunks of floor(N / k) values, the mean R / S of the chunks with a range and a spread gives a
// point (ln size, ln mean R / S), and the exponent is the least-squares slope of the points,
// clamped to [0, 1]; 0.5 with fewer than two points. Costs O(C N) per bar.
#include <cstdint>
#include <expected>
#include <optional>
#include <vector>

#include "indicators/cores/equal_run.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kHurstChunksMessage = "Hurst chunks must be >= 2";
inline constexpr const char* kHurstPeriodMessage = "Hurst period must be >= 2 * chunks";

class HurstExponent {
public:
    // chunks >= 2, chunks <= MAX_PERIOD, then period >= 2 * chunks; the period is not bounded
    // by MAX_PERIOD (the window grows with the closes seen).
    static std::expected<HurstExponent, IndicatorError> create(std::uint64_t period, std::uint64_t chunks);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return window_.capacity(); }

private:
    HurstExponent(std::uint64_t period, std::uint64_t chunks) : window_(period), run_(period), chunks_(chunks) {}

    RollingWindow<double> window_;
    // A constant window has no range, but chunk means that miss the value by a rounding would
    // make every chunk count: the run says the window is flat.
    EqualRun run_;
    std::uint64_t chunks_;
    std::vector<double> scratch_;
};

}  // namespace prynox
