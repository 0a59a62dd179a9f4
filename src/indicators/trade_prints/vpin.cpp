#include "indicators/trade_prints/vpin.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Vpin, IndicatorError> Vpin::create(std::uint64_t buckets, double bucket_volume) {
    if (auto e = check_window(buckets)) return std::unexpected(*e);
    if (!(std::isfinite(bucket_volume) && bucket_volume > 0.0))
        return std::unexpected(IndicatorError::invalid_parameter(kBucketVolumeMessage));
    return Vpin(buckets, bucket_volume);
}

OptionalValue Vpin::update_trades(std::span<const TradePrint> prints) {
    if (prints.empty()) return {};
    const double v = volume_, n = static_cast<double>(imbalances_.length());
    for (const TradePrint& t : prints) {
        double q = t.size;
        const double room = v - filled_;
        if (std::isinf(q)) {
            q = room + n * v;
        } else if (q > room && (q - room) / v > n) {
            q = std::fmod(q - room, v) + room + n * v;
        }
        const bool sell = t.side == Side::Sell;
        while (q > 0.0) {
            const double take = std::min(q, v - filled_);
            if (sell) {
                sell_ += take;
            } else {
                buy_ += take;
            }
            filled_ += take;
            if (filled_ >= v) {
                if (!imbalances_.push_unsummed(std::fabs(buy_ - sell_))) [[unlikely]]
                    return {};
                buy_ = 0.0, sell_ = 0.0, filled_ = 0.0;
            }
            q -= take;
        }
    }
    if (!imbalances_.full()) return {};
    const double value = imbalances_.sum() / (v * n);
    if (!std::isfinite(value)) [[unlikely]]
        return {};
    return value;
}

}  // namespace prynox
