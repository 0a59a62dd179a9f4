#include "indicators/rsi_family/dynamic_momentum_index.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/fused_pair.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<DynamicMomentumIndex, IndicatorError> DynamicMomentumIndex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return DynamicMomentumIndex(period);
}

DynamicMomentumIndex::DynamicMomentumIndex(std::uint64_t period)
    : deviation_(kSdLength, 1.0), deviation_average_(kSdAverageLength), moves_(kChanges),
      base_(static_cast<double>(period)) {}

OptionalValue DynamicMomentumIndex::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    // A change that overflows refuses the bar before anything moves, but the next change is
    // taken from this close. A change window that cannot grow refuses it with nothing changed.
    if (has_previous_ && !std::isfinite(x - previous_)) {
        previous_ = x;
        return std::nullopt;
    }
    if (!moves_.make_room()) return std::nullopt;

    OptionalValue sd;
    OptionalValue average;
    if (auto bands = deviation_.update_value(x)) {
        sd = bands->sd;
        average = deviation_average_.update_value(*sd);  // refuses a non-finite sd itself
    }
    if (has_previous_) {
        double c = x - previous_;
        (void)moves_.push(positive_part(DoublePair{c, -c}));  // room was made above
    }
    previous_ = x;
    has_previous_ = true;
    if (!sd || !average || !moves_.full()) return std::nullopt;

    std::size_t skip = 0;
    if (*sd > 0.0 && *average > 0.0) {
        std::uint64_t k = std::max(round_to_count(base_ / (*sd / *average)), kMinLength);
        skip = k <= kChanges ? static_cast<std::size_t>(kChanges - k) : 0;
    }
    // Rises and falls summed lane by lane, oldest first. A change adds +0.0 to the side it does
    // not belong to, which leaves that sum as it is (neither is ever -0.0).
    DoublePair sums{0.0, 0.0};
    for (std::size_t i = skip; i < kChanges; ++i) sums += moves_[i];
    double up = sums[0];
    double down = sums[1];
    double total = up + down;
    // Thirty huge finite changes can still sum beyond the largest double: no value then.
    if (!std::isfinite(total)) return std::nullopt;
    if (total == 0.0) return 50.0;
    return (up / total) * 100.0;
}

}  // namespace prynox
