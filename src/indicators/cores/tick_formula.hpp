#pragma once
// A derivatives type without state: one formula over the fields of the bar's tick. A value that
// is not finite (a ratio of valid fields that overflows, say a mark of 1e308 over an index of
// 1e-300) is no value, like a rejected tick: a rule never compares against an infinity.
// Each type is its own instantiation, so it keeps its own name in errors and its own operations
// table.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/finite_result.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

// Rule: static double apply(const DerivativesTick&).
template <class Rule>
class TickFormula {
public:
    static std::expected<TickFormula, IndicatorError> create() { return TickFormula(); }

    OptionalValue update_tick(const DerivativesTick& t) const { return finite_result(Rule::apply(t)); }
    std::uint64_t warmup_period() const { return 1; }
};

// a / b, or 0.0 when b is 0 (the fields are never negative).
inline double ratio_or_zero(double a, double b) { return b == 0.0 ? 0.0 : a / b; }

}  // namespace prynox
