#pragma once
// Bollinger bands around the spread close - reference: the window's mean as the middle, bands
// num_std population standard deviations either side, and where this bar's spread lies between
// them (percent_b; 0.5 when the bands coincide).
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/cores/pair_moment_window.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

inline constexpr const char* kSpreadBollingerPeriodMessage = "spread bollinger bands needs period >= 2";
inline constexpr const char* kSpreadBollingerNumStdMessage = "spread bollinger bands needs num_std > 0";

class SpreadBollingerBands {
public:
    static constexpr std::array<const char*, 4> kOutputNames{"middle", "upper", "lower", "percent_b"};

    // A minimum of 2 with its own message, then MAX_PERIOD; num_std finite and above 0.
    static std::expected<SpreadBollingerBands, IndicatorError> create(std::uint64_t period, double num_std);

    // A spread that overflows, or whose squared deviations would, is a rejected input; a bar whose
    // bands overflow gives no value.
    bool update_pair(double close, double reference, std::array<double, 4>& out);
    std::uint64_t warmup_period() const { return window_.length(); }

private:
    SpreadBollingerBands(std::uint64_t period, double num_std) : window_(period), num_std_(num_std) {}

    SeriesMomentWindow window_;
    double num_std_;
};

}  // namespace prynox
