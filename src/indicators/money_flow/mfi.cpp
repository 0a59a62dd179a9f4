#include "indicators/money_flow/mfi.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/typical_price.hpp"

namespace prynox {

std::expected<Mfi, IndicatorError> Mfi::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return Mfi(n);
}

std::uint64_t Mfi::warmup_period() const { return sat_add(flows_.length(), 1); }

OptionalValue Mfi::update_candle(const Candle& c) {
    const double tp = typical_price(c);
    if (!std::isfinite(tp)) [[unlikely]]
        return {};
    if (!previous_) [[unlikely]] {
        previous_ = tp;
        return {};
    }
    if (!flows_.make_room()) [[unlikely]]
        return {};
    const double raw = tp * c.volume;
    const double rising = tp > *previous_ ? raw : 0.0, falling = tp < *previous_ ? raw : 0.0;
    const bool taken = flows_.push({rising, falling});
    previous_ = tp;
    if (!taken) [[unlikely]]
        return {};
    if (!flows_.full()) return {};
    const CountedSum& up = flows_.sum(0);
    const CountedSum& down = flows_.sum(1);
    if (down.all_zero() || down.sum == 0.0) return up.all_zero() || up.sum == 0.0 ? 50.0 : 100.0;
    return 100.0 - 100.0 / (1.0 + (up.all_zero() ? 0.0 : up.sum) / down.sum);
}

}  // namespace prynox
