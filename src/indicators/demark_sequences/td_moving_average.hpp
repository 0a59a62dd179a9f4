#pragma once
// DeMark moving average: simple averages of the bar's midpoint ((high + low) / 2, halved first
// near the ends of the doubles) over windows st1 and st2, st1 < st2.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/sma.hpp"

namespace prynox {

class TdMovingAverage {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"st1", "st2"};
    static constexpr const char* kOrder = "TD moving average ST1 period must be strictly less than ST2";

    // Zero windows, then st1 < st2, then MAX_PERIOD on st1 and on st2.
    static std::expected<TdMovingAverage, IndicatorError> create(std::uint64_t st1, std::uint64_t st2);

    // Nothing while an average's running sum is beyond the doubles (midpoints near their ends):
    // the averages' periodic exact re-summation brings the sums back once such midpoints have
    // left. Refusing those candles instead could hold a window for good, since the leaving value
    // alone can carry the sum out.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // st2
    std::uint64_t warmup_period() const { return slow_.period(); }

private:
    TdMovingAverage(std::uint64_t st1, std::uint64_t st2) : fast_(st1), slow_(st2) {}

    Sma fast_;
    Sma slow_;
};

}  // namespace prynox
