#pragma once
// Decycler oscillator: the fast decycler minus the slow one, each with its own high-pass.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/two_pole_highpass.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kDecyclerOscillatorOrderMessage = "fast period must be strictly less than slow period";

class DecyclerOscillator {
public:
    // Either period 0, then fast < slow, then the slow period against MAX_PERIOD.
    static std::expected<DecyclerOscillator, IndicatorError> create(std::uint64_t fast, std::uint64_t slow);

    // 0 for the first two closes. A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        double h_fast = fast_.next(x);
        double h_slow = slow_.next(x);
        double value = (x - h_fast) - (x - h_slow);
        if (!std::isfinite(value)) [[unlikely]]
            return std::nullopt;
        fast_.commit(x, h_fast);
        slow_.commit(x, h_slow);
        return value;
    }
    std::uint64_t warmup_period() const { return 1; }

private:
    DecyclerOscillator(std::uint64_t fast, std::uint64_t slow) : fast_(fast), slow_(slow) {}

    TwoPoleHighpass fast_;
    TwoPoleHighpass slow_;
};

}  // namespace prynox
