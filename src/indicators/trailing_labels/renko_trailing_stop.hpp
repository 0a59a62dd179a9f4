#pragma once
// A trailing stop one brick b behind a brick anchor that moves in whole bricks with the close;
// a close more than one brick beyond the anchor against the direction flips it, re-anchoring at
// that close.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class RenkoTrailingStop {
public:
    // The multiplier check on the brick size.
    static std::expected<RenkoTrailingStop, IndicatorError> create(double brick);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit RenkoTrailingStop(double brick) : brick_(brick) {}
    double brick_;
    double anchor_ = 0.0;
    bool has_anchor_ = false;
    bool long_ = true;
};

}  // namespace prynox
