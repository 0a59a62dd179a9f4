#include "indicators/volume_weighted_prices/vwma.hpp"

#include <utility>

namespace prynox {

std::expected<Vwma, IndicatorError> Vwma::create(std::uint64_t period) {
    auto state = VwmaState::create(period);
    if (!state) return std::unexpected(state.error());
    return Vwma(std::move(*state));
}

}  // namespace prynox
