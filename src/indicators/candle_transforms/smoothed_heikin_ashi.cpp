#include "indicators/candle_transforms/smoothed_heikin_ashi.hpp"

#include <cmath>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

std::expected<SmoothedHeikinAshi, IndicatorError> SmoothedHeikinAshi::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return SmoothedHeikinAshi(period);
}

bool SmoothedHeikinAshi::update_candle(const Candle& c, std::array<double, 4>& out) {
    // Stepped on copies and stored together, so that the four averages never drift apart.
    std::array<EmaStage, 4> next = stages_;
    const OptionalValue o = next[0].step(c.open), h = next[1].step(c.high), l = next[2].step(c.low),
                        cl = next[3].step(c.close);
    if (!stages_[0].seeded()) {
        // Seeding: a stage refuses an input whose seed sum would overflow.
        for (std::size_t k = 1; k < 4; ++k)
            if (next[k].seed_count() != next[0].seed_count()) [[unlikely]]
                return false;
        if (next[0].seed_count() == stages_[0].seed_count()) [[unlikely]]
            return false;
    }
    if (!o) {
        stages_ = next;
        return false;
    }
    if (!std::isfinite(*o) || !std::isfinite(*h) || !std::isfinite(*l) || !std::isfinite(*cl)) [[unlikely]]
        return false;
    if (!step_.step(*o, *h, *l, *cl, out)) [[unlikely]]
        return false;
    stages_ = next;
    return true;
}

}  // namespace prynox
