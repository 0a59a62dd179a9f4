#pragma once
// Klinger volume oscillator: the fast EMA minus the slow EMA of the volume force, the volume
// weighted by how the range compares with the range accumulated over the current trend of
// H + L + C. A candle whose accumulated range, force or averages leave the doubles gives nothing
// and leaves them and the trend as they were; the next candle is still compared with it.
#include <cstdint>
#include <expected>

#include "core/model/market.hpp"
#include "indicators/cores/ema_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kKvoOrderMessage = "KVO needs fast < slow";

class Kvo {
public:
    // Zeros, then fast < slow, then MAX_PERIOD on the slow window only.
    static std::expected<Kvo, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    // A candle whose H + L + C, range or accumulated range is not finite is refused (no value,
    // nothing changed); a force that is not finite gives nothing and leaves the averages as
    // they were, the trend moving on.
    OptionalValue update_candle(const Candle& c);
    // slow + 1
    std::uint64_t warmup_period() const;

private:
    Kvo(std::uint64_t fast, std::uint64_t slow) : averages_(fast, slow) {}

    bool has_previous_ = false;
    double previous_range_ = 0.0;
    EmaPair averages_;
    double previous_sum_ = 0.0;
    double cm_ = 0.0;
    double trend_ = 0.0;  // -1, 0 or +1
};

}  // namespace prynox
