#pragma once
// Following adaptive moving average: the second line of the MAMA core, an average of mama with
// half its adaptive factor.
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/mama.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

class Fama {
public:
    // The checks of the MAMA core.
    static std::expected<Fama, IndicatorError> create(double fast_limit, double slow_limit);

    OptionalValue update_value(double x) {
        auto pair = core_.update_value(x);
        if (!pair) return std::nullopt;
        last_ = pair->fama;
        return last_;
    }
    std::uint64_t warmup_period() const { return core_.warmup_period(); }

private:
    explicit Fama(Mama core) : core_(core) {}
    Mama core_;
    OptionalValue last_;
};

}  // namespace prynox
