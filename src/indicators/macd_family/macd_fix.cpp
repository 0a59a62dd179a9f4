#include "indicators/macd_family/macd_fix.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<MacdIndicator, IndicatorError> MacdFix::create(std::uint64_t signal) {
    if (auto e = check_window(signal)) return std::unexpected(*e);
    return MacdIndicator(EmaStage(kFastPeriod, kFastWeights), EmaStage(kSlowPeriod, kSlowWeights), EmaStage(signal));
}

}  // namespace prynox
