#include "indicators/ma_oscillators/ppo_histogram.hpp"

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<PpoHistogram, IndicatorError> PpoHistogram::create(std::uint64_t fast, std::uint64_t slow,
                                                                 std::uint64_t signal) {
    if (auto e = check_window(signal)) return std::unexpected(*e);
    auto ppo = Ppo::create(fast, slow);
    if (!ppo) return std::unexpected(ppo.error());
    return PpoHistogram(*ppo, signal);
}

}  // namespace prynox
