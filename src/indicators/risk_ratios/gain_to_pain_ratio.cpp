#include "indicators/risk_ratios/gain_to_pain_ratio.hpp"

#include "indicators/cores/resummed_window.hpp"

namespace prynox {

std::expected<GainToPainRatio, IndicatorError> GainToPainRatio::create(std::uint64_t period) {
    if (auto e = ResummedWindow::check(period)) return std::unexpected(*e);
    return GainToPainRatio(period);
}

}  // namespace prynox
