#pragma once
// A derived value that is not finite (an overflowing sum or product, a 0/0) is no value: the
// bar gives nothing rather than an infinity or a NaN that means nothing to a rule.
#include <cmath>
#include <optional>
#include "indicators/optional_value.hpp"

namespace prynox {

inline OptionalValue finite_result(double v) {
    if (!std::isfinite(v)) [[unlikely]]
        return std::nullopt;
    return v;
}

}  // namespace prynox
