#pragma once
// Rate of change of open interest in percent against the open interest N ticks earlier; 0 when
// that was 0. A rate that overflows (a tiny open interest before a large one) is no value, but
// the tick still enters the window: refused, it would leave the tiny open interest oldest, and
// every later tick would overflow against it in turn.
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/cores/finite_result.hpp"
#include "indicators/cores/n_bar_change.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

struct OpenInterestMomentumRule : FiniteCloseRule {
    static double apply(double x, double old) { return old > 0.0 ? ((x - old) * 100.0) / old : 0.0; }
};

class OpenInterestMomentum {
public:
    // The window check and a window of N + 1 (the constructor Mom and Roc share).
    static std::expected<OpenInterestMomentum, IndicatorError> create(std::uint64_t period) {
        auto change = NBarChange<OpenInterestMomentumRule>::create(period);
        if (!change) return std::unexpected(change.error());
        return OpenInterestMomentum(std::move(*change));
    }

    OptionalValue update_tick(const DerivativesTick& t) {
        const OptionalValue v = change_.update_value(t.open_interest);
        return v ? finite_result(*v) : v;
    }
    std::uint64_t warmup_period() const { return change_.warmup_period(); }

private:
    explicit OpenInterestMomentum(NBarChange<OpenInterestMomentumRule> change) : change_(std::move(change)) {}

    NBarChange<OpenInterestMomentumRule> change_;
};

}  // namespace prynox
