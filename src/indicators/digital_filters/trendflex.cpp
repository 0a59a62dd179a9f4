#include "indicators/digital_filters/trendflex.hpp"

#include "indicators/cores/period_checks.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

std::expected<Trendflex, IndicatorError> Trendflex::create(std::uint64_t period) {
    if (auto e = check_window(period)) return std::unexpected(*e);
    return Trendflex(period);
}

OptionalValue Trendflex::update_value(double x) {
    return core_.update(x, [this](const RollingWindow<double>& w, double f0) {
        std::size_t n = static_cast<std::size_t>(core_.period());
        double sum = 0.0;
        for (std::size_t k = 0; k < n; ++k) sum += f0 - w.back(k);
        return sum / n_;
    });
}

}  // namespace prynox
