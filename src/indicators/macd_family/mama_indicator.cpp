#include "indicators/macd_family/mama_indicator.hpp"

namespace prynox {

std::expected<MamaIndicator, IndicatorError> MamaIndicator::create(double fast_limit, double slow_limit) {
    auto core = Mama::create(fast_limit, slow_limit);
    if (!core) return std::unexpected(core.error());
    return MamaIndicator(*core);
}

}  // namespace prynox
