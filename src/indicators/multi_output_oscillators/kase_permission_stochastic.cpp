#include "indicators/multi_output_oscillators/kase_permission_stochastic.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<KasePermissionStochastic, IndicatorError> KasePermissionStochastic::create(std::uint64_t window,
                                                                                          std::uint64_t smoothing) {
    if (auto e = check_window(window)) return std::unexpected(*e);
    if (auto e = check_window(smoothing)) return std::unexpected(*e);
    return KasePermissionStochastic(window, smoothing);
}

}  // namespace prynox
