#pragma once
// Average directional index with the two directional indicators it is made from, as named
// outputs of the shared DMI step.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/dmi_step.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class Adx {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"plus_di", "minus_di", "adx"};

    // Window check on the period.
    static std::expected<Adx, IndicatorError> create(std::uint64_t period);

    bool update_candle(const Candle& c, std::array<double, 3>& out) {
        DmiValues v;
        if (!dmi_.step(c, v)) return false;
        out = {v.plus_di, v.minus_di, v.adx};
        return true;
    }
    // 2n
    std::uint64_t warmup_period() const { return sat_mul(2, dmi_.period()); }

private:
    explicit Adx(std::uint64_t period) : dmi_(period) {}
    DmiStep dmi_;
};

}  // namespace prynox
