#pragma once
// Volume-price trend: the running total of the volume times the relative change of the close,
// (close - previous close) / previous close, which counts as 0 after a close of 0. The first
// valid candle gives 0. A candle whose relative change, product or total is not finite (a
// close of 1e10 after one of 1e-300) gives nothing and leaves the total as it was: as one term
// it would leave it infinite for the rest of the run. Its close still becomes the previous one,
// so that the next change is measured from it.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class VolumePriceTrend {
public:
    static std::expected<VolumePriceTrend, IndicatorError> create() { return VolumePriceTrend{}; }

    OptionalValue update_candle(const Candle& c);
    std::uint64_t warmup_period() const { return 1; }

private:
    double previous_close_ = 0.0;
    double total_ = 0.0;
    bool has_previous_ = false;
};

}  // namespace prynox
