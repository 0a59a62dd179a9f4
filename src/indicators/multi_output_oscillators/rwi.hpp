#pragma once
// Random walk index: for every span of k = 2..n bars ending at the newest, how far the newest
// high rose above (and the newest low fell below) the low (high) k - 1 bars back, in units of
// sqrt(k) times the span's average true range; the largest of each over the spans. Each span's
// average sums its own true ranges oldest first, so one update costs O(n^2) additions.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/rolling_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kRwiPeriodMessage = "RWI requires period >= 2";

class Rwi {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"high", "low"};

    // Zero, then the minimum of 2, then MAX_PERIOD.
    static std::expected<Rwi, IndicatorError> create(std::uint64_t period);

    // A true range beyond the doubles is refused with its candle (the windows stay as they were,
    // and the next true range reaches to its close); an index that is not finite is no value.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    // n
    std::uint64_t warmup_period() const { return candles_.capacity(); }

private:
    explicit Rwi(std::uint64_t period) : candles_(period), ranges_(period - 1) {}

    struct HighLow {
        double high;
        double low;
    };
    RollingWindow<HighLow> candles_;  // the last n
    RollingWindow<double> ranges_;    // the true ranges of the newest n - 1, each against its predecessor
    double last_close_ = 0.0;
};

}  // namespace prynox
