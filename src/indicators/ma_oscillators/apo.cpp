#include "indicators/ma_oscillators/apo.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Apo, IndicatorError> Apo::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kApoOrderMessage));
    if (auto e = check_max_period(fast)) return std::unexpected(*e);
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return Apo(fast, slow);
}

}  // namespace prynox
