#include "indicators/multi_output_oscillators/stochastic.hpp"

namespace prynox {

std::expected<Stochastic, IndicatorError> Stochastic::create(std::uint64_t k, std::uint64_t d) {
    if (k == 0 || d == 0) return std::unexpected(IndicatorError::zero_period());
    auto average = Sma::create(d);
    if (!average) return std::unexpected(average.error());
    return Stochastic(k, std::move(*average));
}

}  // namespace prynox
