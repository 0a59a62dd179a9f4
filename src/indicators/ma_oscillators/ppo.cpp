#include "indicators/ma_oscillators/ppo.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Ppo, IndicatorError> Ppo::create(std::uint64_t fast, std::uint64_t slow) {
    if (fast == 0 || slow == 0) return std::unexpected(IndicatorError::zero_period());
    if (fast >= slow) return std::unexpected(IndicatorError::invalid_period(kPpoOrderMessage));
    if (auto e = check_max_period(slow)) return std::unexpected(*e);
    return Ppo(fast, slow);
}

}  // namespace prynox
