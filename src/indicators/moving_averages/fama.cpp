#include "indicators/moving_averages/fama.hpp"

namespace prynox {

std::expected<Fama, IndicatorError> Fama::create(double fast_limit, double slow_limit) {
    auto core = Mama::create(fast_limit, slow_limit);
    if (!core) return std::unexpected(core.error());
    return Fama(*core);
}

}  // namespace prynox
