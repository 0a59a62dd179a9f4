#pragma once
// EWMA volatility: V = lambda V + (1 - lambda) r^2 over log returns, seeded with the first
// squared return; the value is sqrt(V) from the first return on.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/log_return_input.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kEwmaVolatilityLambdaMessage =
    "EWMA volatility lambda must be in the open interval (0, 1)";

class EwmaVolatility {
public:
    // lambda finite with 0 < lambda < 1.
    static std::expected<EwmaVolatility, IndicatorError> create(double lambda);

    // A step whose variance is not finite gives nothing and keeps the previous variance; the
    // close becomes the previous one all the same (log_return_input.hpp).
    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 2; }

private:
    explicit EwmaVolatility(double lambda) : lambda_(lambda) {}

    LogReturnInput input_;
    double lambda_;
    double variance_ = 0.0;
    bool seeded_ = false;
};

}  // namespace prynox
