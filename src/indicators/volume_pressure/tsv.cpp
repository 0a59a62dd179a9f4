#include "indicators/volume_pressure/tsv.hpp"

#include <cmath>

#include "indicators/cores/counted_sum.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Tsv, IndicatorError> Tsv::create(std::uint64_t n) {
    auto state = CarriedWindow::create(n);
    if (!state) return std::unexpected(state.error());
    return Tsv(std::move(*state));
}

std::uint64_t Tsv::warmup_period() const { return sat_add(state_.period(), 1); }

OptionalValue Tsv::update_candle(const Candle& c) {
    if (!state_.previous) [[unlikely]] {
        state_.previous = c.close;
        return {};
    }
    const double term = c.volume * (c.close - *state_.previous);
    const CountedSum sum{state_.value, nonzero_};
    const CountedSum next = state_.window.full() ? sum.replaced(state_.window.oldest(), term) : sum.added(term);
    if (!std::isfinite(term) || !std::isfinite(next.sum)) [[unlikely]] {
        state_.previous = c.close;
        return {};
    }
    if (!state_.window.push(term)) [[unlikely]]
        return {};
    state_.previous = c.close;
    state_.value = next.sum;
    nonzero_ = next.nonzero;
    if (!state_.window.full()) return {};
    return next.all_zero() ? 0.0 : next.sum;
}

}  // namespace prynox
