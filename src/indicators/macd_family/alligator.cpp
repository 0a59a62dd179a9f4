#include "indicators/macd_family/alligator.hpp"

#include <cmath>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

std::expected<Alligator, IndicatorError> Alligator::create(std::uint64_t jaw, std::uint64_t teeth,
                                                           std::uint64_t lips) {
    if (jaw == 0 || teeth == 0 || lips == 0) return std::unexpected(IndicatorError::zero_period());
    auto j = Smma::create(jaw);
    if (!j) return std::unexpected(j.error());
    auto t = Smma::create(teeth);
    if (!t) return std::unexpected(t.error());
    auto l = Smma::create(lips);
    if (!l) return std::unexpected(l.error());
    return Alligator(*j, *t, *l);
}

std::optional<AlligatorLines> Alligator::step(double high, double low) {
    const double median = midpoint(high, low);
    if (!lips_.takes(median) || !teeth_.takes(median) || !jaw_.takes(median)) [[unlikely]]
        return std::nullopt;
    auto lips = lips_.update_value(median);
    auto teeth = teeth_.update_value(median);
    auto jaw = jaw_.update_value(median);
    if (!jaw || !teeth || !lips) return std::nullopt;
    return AlligatorLines{*jaw, *teeth, *lips};
}

}  // namespace prynox
