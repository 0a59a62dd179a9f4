#pragma once
// Alligator: three smoothed (Wilder) averages of the median price (high + low) / 2, the jaw,
// teeth and lips, each seeded by the mean of its first n medians. The lines are not shifted
// forward in time. The step is shared with GatorOscillator.
#include <algorithm>
#include <array>
#include <cstdint>
#include <expected>
#include <optional>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/smma.hpp"

namespace prynox {

struct AlligatorLines {
    double jaw;
    double teeth;
    double lips;
};

class Alligator {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"jaw", "teeth", "lips"};

    // Zeros of all three, then the window maximum of jaw, teeth and lips in turn.
    static std::expected<Alligator, IndicatorError> create(std::uint64_t jaw, std::uint64_t teeth,
                                                           std::uint64_t lips);

    // The three lines once all have a value; shorter lines keep moving while the longest seeds.
    // A median that any line could not take (a sum beyond the doubles) is taken by none.
    std::optional<AlligatorLines> step(double high, double low);

    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        auto lines = step(c.high, c.low);
        if (!lines) return false;
        out = {lines->jaw, lines->teeth, lines->lips};
        return true;
    }

    std::uint64_t warmup_period() const { return warmup_; }

private:
    Alligator(Smma jaw, Smma teeth, Smma lips)
        : jaw_(jaw), teeth_(teeth), lips_(lips),
          warmup_(std::max({jaw.warmup_period(), teeth.warmup_period(), lips.warmup_period()})) {}

    Smma jaw_;
    Smma teeth_;
    Smma lips_;
    std::uint64_t warmup_;
};

}  // namespace prynox
