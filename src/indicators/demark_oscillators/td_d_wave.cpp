#include "indicators/demark_oscillators/td_d_wave.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<TdDWave, IndicatorError> TdDWave::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return TdDWave(period);
}

OptionalValue TdDWave::update_candle(const Candle& c) {
    if (!pivots_.push(c.high, c.low)) [[unlikely]]
        return std::nullopt;
    if (!pivots_.full()) return last_;
    const bool swing_high = pivots_.high_pivot(), swing_low = pivots_.low_pivot();
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
