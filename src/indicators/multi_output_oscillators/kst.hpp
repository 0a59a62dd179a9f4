#pragma once
// Know sure thing: four rates of change of the close over r1..r4 bars, each averaged over
// s1..s4 bars, weighted 1 to 4 and summed, with a simple average of g bars as its signal.
#include <array>
#include <cstdint>
#include <expected>
#include <utility>

#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class Kst {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"kst", "signal"};

    // Any of the nine periods zero, then the maximum of the four rate-of-change periods in
    // order, then the averages' own checks in order (their maximum), the signal's last.
    static std::expected<Kst, IndicatorError> create(std::uint64_t r1, std::uint64_t r2, std::uint64_t r3,
                                                     std::uint64_t r4, std::uint64_t s1, std::uint64_t s2,
                                                     std::uint64_t s3, std::uint64_t s4, std::uint64_t signal);

    // A non-finite close changes nothing. A rate of change that is not finite is refused by its
    // average (no value for the bar).
    bool update_value(double close, std::array<double, 2>& out);
    // The largest ri + si, plus g - 1.
    std::uint64_t warmup_period() const;

private:
    struct Pair {
        RollingWindow<double> closes;  // ri + 1
        Sma average;
    };
    Kst(std::array<Pair, 4> pairs, Sma signal) : pairs_(std::move(pairs)), signal_(std::move(signal)) {}

    std::array<Pair, 4> pairs_;
    Sma signal_;
};

}  // namespace prynox
