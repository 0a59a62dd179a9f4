#include "indicators/volatility/realized_volatility.hpp"
#include "indicators/optional_value.hpp"

#include <cmath>
#include <utility>

namespace prynox {

std::expected<RealizedVolatility, IndicatorError> RealizedVolatility::create(std::uint64_t period) {
    auto state = ReturnWindow::create(period);
    if (!state) return std::unexpected(state.error());
    return RealizedVolatility(std::move(*state));
}

OptionalValue RealizedVolatility::update_value(double x) {
    auto r = input_.next(x);
    if (!r) return std::nullopt;
    if (!returns_.make_room()) return std::nullopt;
    double q = q_;
    if (returns_.full()) {
        double old = returns_.oldest();
        double sq_old = old * old;
        q = q - sq_old;
        nonzero_ -= sq_old != 0.0 ? 1 : 0;
    }
    (void)returns_.push(*r);  // room was made above
    double sq = *r * *r;
    q = q + sq;
    nonzero_ += sq != 0.0 ? 1 : 0;
    if (++updates_ >= returns_.capacity()) [[unlikely]] {
        q = -0.0;
        returns_.for_each([&q](double v) { q += v * v; });
        updates_ = 0;
    }
    q_ = q;
    if (!returns_.full()) return std::nullopt;
    if (nonzero_ == 0) return 0.0;
    return std::sqrt(q > 0.0 ? q : 0.0);
}

}  // namespace prynox
