#include "indicators/digital_filters/decycler.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Decycler, IndicatorError> Decycler::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Decycler(period);
}

}  // namespace prynox
