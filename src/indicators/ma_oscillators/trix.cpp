#include "indicators/ma_oscillators/trix.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<Trix, IndicatorError> Trix::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Trix(period);
}

}  // namespace prynox
