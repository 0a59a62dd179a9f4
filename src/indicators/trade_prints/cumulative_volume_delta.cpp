#include "indicators/trade_prints/cumulative_volume_delta.hpp"

#include <cmath>

#include "indicators/cores/trade_sign.hpp"

namespace prynox {

OptionalValue CumulativeVolumeDelta::update_trades(std::span<const TradePrint> prints) {
    OptionalValue result;
    for (const TradePrint& t : prints) {
        const double s = sum_ + signed_size(t);
        if (!std::isfinite(s)) [[unlikely]]
            continue;
        sum_ = s;
        result = s;
    }
    return result;
}

}  // namespace prynox
