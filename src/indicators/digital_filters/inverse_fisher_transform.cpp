#include "indicators/digital_filters/inverse_fisher_transform.hpp"

namespace prynox {

std::expected<InverseFisherTransform, IndicatorError> InverseFisherTransform::create(double scale) {
    if (!(std::isfinite(scale) && scale > 0.0))
        return std::unexpected(IndicatorError::invalid_period(kInverseFisherScaleMessage));
    return InverseFisherTransform(scale);
}

}  // namespace prynox
