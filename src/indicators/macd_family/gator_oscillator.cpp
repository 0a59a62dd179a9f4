#include "indicators/macd_family/gator_oscillator.hpp"

namespace prynox {

std::expected<GatorOscillator, IndicatorError> GatorOscillator::create(std::uint64_t jaw, std::uint64_t teeth,
                                                                       std::uint64_t lips) {
    auto alligator = Alligator::create(jaw, teeth, lips);
    if (!alligator) return std::unexpected(alligator.error());
    return GatorOscillator(*alligator);
}

}  // namespace prynox
