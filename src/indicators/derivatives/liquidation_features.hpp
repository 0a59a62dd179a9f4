#pragma once
// The tick's liquidations broken down: long, short, net (long - short), total (long + short) and
// imbalance (net / total, 0 without liquidations). A total that overflows is refused like a
// rejected tick: the imbalance over an infinite total would read 0 for a one-sided flush.
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class LiquidationFeatures {
public:
    static constexpr std::array<const char*, 5> kOutputNames = {"long", "short", "net", "total", "imbalance"};

    static std::expected<LiquidationFeatures, IndicatorError> create() { return LiquidationFeatures(); }

    bool update_tick(const DerivativesTick& t, std::array<double, 5>& out) const {
        const double net = t.long_liquidation - t.short_liquidation;
        const double total = t.long_liquidation + t.short_liquidation;
        const double imbalance = total == 0.0 ? 0.0 : net / total;
        // net is finite for liquidations that passed the tick check; the imbalance then too.
        if (!std::isfinite(total) || !std::isfinite(imbalance)) [[unlikely]]
            return false;
        out = {t.long_liquidation, t.short_liquidation, net, total, imbalance};
        return true;
    }
    std::uint64_t warmup_period() const { return 1; }
};

}  // namespace prynox
