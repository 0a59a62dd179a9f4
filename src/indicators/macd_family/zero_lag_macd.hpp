#pragma once
// MACD over zero-lag EMAs: the fast zero-lag average of the close minus the slow one, with a
// zero-lag signal line of the difference. Each average tests its own input.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/cores/saturating.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/moving_averages/zlema.hpp"

namespace prynox {

inline constexpr const char* kZeroLagMacdOrderMessage = "ZeroLagMACD fast period must be strictly less than slow";

class ZeroLagMacd {
public:
    static constexpr std::array<const char*, 3> kOutputNames{"macd", "signal", "histogram"};

    // Zeros of all three, then fast < slow, then MAX_PERIOD on fast, slow and signal in turn.
    static std::expected<ZeroLagMacd, IndicatorError> create(std::uint64_t fast, std::uint64_t slow,
                                                             std::uint64_t signal);

    bool update_value(double x, std::array<double, 3>& out) {
        auto fast = fast_.update_value(x);
        auto slow = slow_.update_value(x);
        if (!fast || !slow) return false;
        const double macd = *fast - *slow;
        auto signal = signal_.update_value(macd);
        if (!signal) return false;
        out = {macd, *signal, macd - *signal};
        return true;
    }

    // (slow + its lag) + (signal + its lag) - 1
    std::uint64_t warmup_period() const {
        return sat_sub(sat_add(slow_.warmup_period(), signal_.warmup_period()), 1);
    }

private:
    ZeroLagMacd(std::uint64_t fast, std::uint64_t slow, std::uint64_t signal)
        : fast_(fast), slow_(slow), signal_(signal) {}

    Zlema fast_;
    Zlema slow_;
    Zlema signal_;
};

}  // namespace prynox
