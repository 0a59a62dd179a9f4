#pragma once
// Absolute price oscillator: fast EMA minus slow EMA of the close.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/ema_pair.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kApoOrderMessage = "APO fast period must be strictly less than slow";

class Apo {
public:
    // Zeros, then fast < slow, then MAX_PERIOD on both.
    static std::expected<Apo, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) [[unlikely]]
            return std::nullopt;
        auto p = pair_.step(x);
        if (!p) return std::nullopt;
        return p->fast - p->slow;
    }
    // S
    std::uint64_t warmup_period() const { return pair_.slow_period(); }

private:
    Apo(std::uint64_t fast, std::uint64_t slow) : pair_(fast, slow) {}
    EmaPair pair_;
};

}  // namespace prynox
