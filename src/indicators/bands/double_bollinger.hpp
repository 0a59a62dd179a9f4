#pragma once
// Two pairs of Bollinger bands around one mean: the outer pair from the Bollinger core at
// k_outer, the inner pair k_inner standard deviations from the middle.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/cores/bollinger.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kDoubleBollingerOrderMessage = "double bollinger requires k_outer > k_inner";

class DoubleBollinger {
public:
    static constexpr std::array<const char*, 5> kOutputNames{"upper_outer", "upper_inner", "middle", "lower_inner",
                                                             "lower_outer"};

    // The multiplier checks of k_inner and k_outer, k_outer above k_inner, then the window check.
    static std::expected<DoubleBollinger, IndicatorError> create(std::uint64_t period, double k_inner, double k_outer);

    bool update_value(double close, std::array<double, 5>& out);
    std::uint64_t warmup_period() const { return core_.warmup_period(); }

private:
    DoubleBollinger(std::uint64_t period, double k_inner, double k_outer) : core_(period, k_outer), k_inner_(k_inner) {}

    BollingerBands core_;
    double k_inner_;
};

}  // namespace prynox
