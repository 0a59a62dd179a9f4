#pragma once
// Gator oscillator: the Alligator's lines as two bars, upper = |jaw - teeth| and
// lower = -|teeth - lips| (never positive).
#include <array>
#include <cmath>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/macd_family/alligator.hpp"

namespace prynox {

class GatorOscillator {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"upper", "lower"};

    // Built by Alligator's constructor, whose refusal stands unchanged.
    static std::expected<GatorOscillator, IndicatorError> create(std::uint64_t jaw, std::uint64_t teeth,
                                                                 std::uint64_t lips);

    bool update_candle(const Candle& c, std::array<double, 2>& out) {
        auto lines = alligator_.step(c.high, c.low);
        if (!lines) return false;
        out = {std::fabs(lines->jaw - lines->teeth), -std::fabs(lines->teeth - lines->lips)};
        return true;
    }

    std::uint64_t warmup_period() const { return alligator_.warmup_period(); }

private:
    explicit GatorOscillator(Alligator alligator) : alligator_(alligator) {}
    Alligator alligator_;
};

}  // namespace prynox
