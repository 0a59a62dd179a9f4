#include "indicators/momentum/coppock.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Coppock, IndicatorError> Coppock::create(std::uint64_t roc1, std::uint64_t roc2, std::uint64_t wma) {
    if (roc1 == 0 || roc2 == 0 || wma == 0) return std::unexpected(IndicatorError::zero_period());
    for (std::uint64_t p : {roc1, roc2, wma})
        if (auto e = check_max_period(p)) return std::unexpected(*e);
    return Coppock(roc1, roc2, wma);
}

OptionalValue Coppock::update_value(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    // Both rates of change see every accepted close, whether or not the other has a value.
    auto ra = a_.update_value(x);
    auto rb = b_.update_value(x);
    if (!rb || !ra) return std::nullopt;
    // A sum that is not finite is refused by the average, which then stays as it was.
    return wma_.update_value(*ra + *rb);
}

std::uint64_t Coppock::warmup_period() const {
    return sat_add(std::max(a_.period(), b_.period()), wma_.period());
}

}  // namespace prynox
