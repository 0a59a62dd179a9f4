#pragma once
// The MESA adaptive average and its follower as named outputs: the registry's "Mama", built with
// the constructor and core that Fama runs on.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/cores/mama.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class MamaIndicator {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"mama", "fama"};

    // The checks of the MAMA core.
    static std::expected<MamaIndicator, IndicatorError> create(double fast_limit, double slow_limit);

    bool update_value(double x, std::array<double, 2>& out) {
        auto pair = core_.update_value(x);
        if (!pair) return false;
        out = {pair->mama, pair->fama};
        return true;
    }
    std::uint64_t warmup_period() const { return core_.warmup_period(); }

private:
    explicit MamaIndicator(Mama core) : core_(core) {}
    Mama core_;
};

}  // namespace prynox
