#pragma once
// Volume RSI: the Wilder RSI of the bar volumes. The first valid candle only primes the volume;
// the first n changes seed the average gain and loss with their means, then each average runs
// (new + average * (n - 1)) / n. The value is (gain / (gain + loss)) * 100, in that order, and
// 50 when both averages are 0. It keeps its own averages rather than the close RSI's, whose
// value is formed as 100 * gain / (gain + loss) and differs in the last bit. A bar whose
// averages would overflow gives nothing and leaves them as they were; the next change is still
// taken from its volume.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/seeded_gain_loss.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class VolumeRsi {
public:
    // Window check on the period.
    static std::expected<VolumeRsi, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    // period + 1
    std::uint64_t warmup_period() const;

private:
    explicit VolumeRsi(std::uint64_t period)
        : period_(period), n_(static_cast<double>(period)), n_minus_1_(static_cast<double>(period - 1)),
          averages_(period) {}

    std::uint64_t period_;
    double n_;
    double n_minus_1_;
    double previous_volume_ = 0.0;
    bool has_previous_ = false;
    SeededGainLoss averages_;
};

}  // namespace prynox
