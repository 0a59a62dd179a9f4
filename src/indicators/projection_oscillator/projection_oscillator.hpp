#pragma once
// Projection oscillator: where the close stands in the projection band of the last p candles,
// (close - lower) * 100 / (upper - lower), unclamped; 50 on a band without width.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/projection_step.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class ProjectionOscillator {
public:
    static constexpr const char* kShortPeriod = ProjectionCore::kShortPeriod;

    // The minimum of 2 (0 included), then MAX_PERIOD.
    static std::expected<ProjectionOscillator, IndicatorError> create(std::uint64_t period);

    OptionalValue update_candle(const Candle& c);
    // p
    std::uint64_t warmup_period() const { return core_.period(); }

private:
    explicit ProjectionOscillator(std::uint64_t period) : core_(period) {}
    ProjectionCore core_;
};

}  // namespace prynox
