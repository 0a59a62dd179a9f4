#include "indicators/money_flow/force_index.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<ForceIndex, IndicatorError> ForceIndex::create(std::uint64_t n) {
    if (auto e = check_window(n)) return std::unexpected(*e);
    return ForceIndex(n);
}

std::uint64_t ForceIndex::warmup_period() const { return sat_add(average_.period(), 1); }

OptionalValue ForceIndex::update_candle(const Candle& c) {
    if (!previous_close_) [[unlikely]] {
        previous_close_ = c.close;
        return {};
    }
    const double raw = c.volume * (c.close - *previous_close_);
    previous_close_ = c.close;
    if (!std::isfinite(raw)) [[unlikely]]
        return {};
    return average_.step(raw);
}

}  // namespace prynox
