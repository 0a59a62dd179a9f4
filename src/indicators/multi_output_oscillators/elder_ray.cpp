#include "indicators/multi_output_oscillators/elder_ray.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<ElderRay, IndicatorError> ElderRay::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return ElderRay(period);
}

}  // namespace prynox
