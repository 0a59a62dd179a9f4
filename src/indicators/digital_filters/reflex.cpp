#include "indicators/digital_filters/reflex.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Reflex, IndicatorError> Reflex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Reflex(period);
}

OptionalValue Reflex::update_value(double x) {
    return core_.update(x, [this](const RollingWindow<double>& w, double f0) {
        std::size_t n = static_cast<std::size_t>(core_.period());
        double slope = (w.back(n - 1) - f0) / n_;
        double sum = 0.0;
        for (std::size_t k = 1; k <= n; ++k) sum += (f0 + static_cast<double>(k) * slope) - w.back(k - 1);
        return sum / n_;
    });
}

}  // namespace prynox
