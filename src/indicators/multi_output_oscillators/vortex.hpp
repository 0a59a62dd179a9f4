#pragma once
// Vortex indicator: the upward and downward movements of the last n candles, each summed over
// the summed true range. The sums are kept as candles enter and leave and never recomputed, so a
// window whose true ranges are all zero again may hold a residue: the exact count of positive
// true ranges in the window decides that branch, which gives 0 and 0.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class Vortex {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"plus", "minus"};

    // Window check on the period.
    static std::expected<Vortex, IndicatorError> create(std::uint64_t period);

    // A candle whose movements, true range or sums are not finite would leave the sums infinite
    // for good: it is refused and leaves the window and its sums as they were, but the next
    // movements are measured from it.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n + 1
    std::uint64_t warmup_period() const { return sat_add(window_.capacity(), 1); }

private:
    explicit Vortex(std::uint64_t period) : window_(period) {}

    struct Moves {
        double plus;
        double minus;
        double tr;
    };
    RollingWindow<Moves> window_;
    double plus_sum_ = 0.0;
    double minus_sum_ = 0.0;
    CountedSum tr_sum_;  // with the count of positive true ranges
    double previous_high_ = 0.0, previous_low_ = 0.0, previous_close_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
