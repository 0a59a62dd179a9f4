#include "indicators/bands/ma_envelope.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MaEnvelope, IndicatorError> MaEnvelope::create(std::uint64_t period, double fraction) {
    if (auto e = check_multiplier(fraction)) return std::unexpected(*e);
    if (auto e = check_window(period)) return std::unexpected(*e);
    return MaEnvelope(period, fraction);
}

}  // namespace prynox
