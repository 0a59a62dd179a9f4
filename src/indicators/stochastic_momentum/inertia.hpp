#pragma once
// Inertia: the least-squares line, at its newest point, through the last values of the
// relative volatility index of the closes.
#include <cstdint>
#include <expected>
#include <utility>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"
#include "indicators/regression/linear_regression.hpp"
#include "indicators/volatility/rvi_volatility.hpp"

namespace prynox {

class Inertia {
public:
    // Either window 0; then the volatility index's checks on #0 and the regression's on #1.
    static std::expected<Inertia, IndicatorError> create(std::uint64_t volatility, std::uint64_t regression);

    OptionalValue update_candle(const Candle& c) {
        const OptionalValue v = volatility_.update_value(c.close);
        if (!v) return {};
        return regression_.update_value(*v);
    }
    // 2 #0 + #1 - 2
    std::uint64_t warmup_period() const;

private:
    Inertia(RviVolatility volatility, LinearRegression regression)
        : volatility_(std::move(volatility)), regression_(std::move(regression)) {}

    RviVolatility volatility_;
    LinearRegression regression_;
};

}  // namespace prynox
