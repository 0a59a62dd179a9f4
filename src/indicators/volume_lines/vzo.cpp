#include "indicators/volume_lines/vzo.hpp"

#include <cmath>

#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Vzo, IndicatorError> Vzo::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Vzo(period);
}

std::uint64_t Vzo::warmup_period() const { return sat_add(volume_.period(), 1); }

namespace {

// The stage took x: it counted it toward its seed or gave a finite value.
bool took(const EmaStage& before, const EmaStage& after, const OptionalValue& value) {
    if (before.seeded()) return value && std::isfinite(*value);
    return after.seed_count() != before.seed_count();
}

}  // namespace

OptionalValue Vzo::update_candle(const Candle& c) {
    if (!has_previous_) [[unlikely]] {
        previous_close_ = c.close;
        has_previous_ = true;
        return {};
    }
    const double signed_volume = c.close > previous_close_   ? c.volume
                                 : c.close < previous_close_ ? -c.volume
                                                             : 0.0;
    // Stepped on copies and stored together, so that the two averages never drift apart.
    EmaStage signed_next = signed_volume_, volume_next = volume_;
    const OptionalValue s = signed_next.step(signed_volume), v = volume_next.step(c.volume);
    previous_close_ = c.close;
    if (!took(signed_volume_, signed_next, s) || !took(volume_, volume_next, v)) [[unlikely]]
        return {};
    signed_volume_ = signed_next;
    volume_ = volume_next;
    if (!s || !v) return {};
    if (*v == 0.0) return 0.0;
    // A volume average near the top of the doubles can take the product beyond them.
    return finite_result((*s * 100.0) / *v);
}

}  // namespace prynox
