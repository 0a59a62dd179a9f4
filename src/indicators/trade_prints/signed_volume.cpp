#include "indicators/trade_prints/signed_volume.hpp"

#include "indicators/cores/trade_sign.hpp"

namespace prynox {

OptionalValue SignedVolume::update_trades(std::span<const TradePrint> prints) const {
    if (prints.empty()) return {};
    return signed_size(prints.back());
}

}  // namespace prynox
