#pragma once
// Nick Rypock trailing reverse: a line p percent below the highest close of an up trend or above
// the lowest close of a down trend, flipping to the other side when the close crosses it.
#include <array>
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kNrtrPercentageMessage = "NRTR percentage must be in (0, 100)";

class Nrtr {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"value", "direction"};

    // p finite and strictly between 0 and 100.
    static std::expected<Nrtr, IndicatorError> create(double p);

    // A bar whose line leaves the doubles gives nothing and leaves the trend as it was.
    bool update_candle(const Candle& c, std::array<double, 2>& out);
    std::uint64_t warmup_period() const { return 1; }

private:
    explicit Nrtr(double p) : below_(1.0 - p / 100.0), above_(1.0 + p / 100.0) {}

    double below_;  // 1 - p/100
    double above_;  // 1 + p/100
    double direction_ = 0.0;  // 0 until the first value
    double extreme_ = 0.0;
};

}  // namespace prynox
