#pragma once
// Aroon up and down: where the highest high and the lowest low of the last n + 1 candles lie,
// from the shared Aroon step.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/aroon_step.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class Aroon {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"up", "down"};

    // Window check on the period.
    static std::expected<Aroon, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 2>& out) {
        AroonPair pair;
        if (!core_.step(c, pair)) return false;
        out = {pair.up, pair.down};
        return true;
    }
    // n + 1
    std::uint64_t warmup_period() const { return core_.window(); }

private:
    explicit Aroon(std::uint64_t period) : core_(period) {}
    AroonCore core_;
};

}  // namespace prynox
