#include "indicators/aroon_cci/cci.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Cci, IndicatorError> Cci::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Cci(period);
}

}  // namespace prynox
