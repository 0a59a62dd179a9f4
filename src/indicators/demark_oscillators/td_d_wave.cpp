#include "indicators/demark_oscillators/td_d_wave.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TdDWave, IndicatorError> TdDWave::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return TdDWave(period);
}

OptionalValue TdDWave::update_candle(const Candle& c) {
    if (!bars_.push(c)) [[unlikely]]
        return std::nullopt;
    if (!bars_.full()) return last_;
    const std::size_t centre = static_cast<std::size_t>(period_);
    const double high = bars_[centre].high, low = bars_[centre].low;
    bool swing_high = true, swing_low = true;
    for (std::size_t i = 0; i < bars_.size(); ++i) {
        if (i == centre) continue;
        swing_high = swing_high && bars_[i].high < high;
        swing_low = swing_low && bars_[i].low > low;
        if (!swing_high && !swing_low) break;
    }
    if (swing_high != swing_low) {
        const Side side = swing_high ? High : Low;
        if (side != side_) {
            wave_ = wave_ % 8 + 1;
            side_ = side;
            last_ = static_cast<double>(wave_);
        }
    }
    return last_;
}

}  // namespace prynox
