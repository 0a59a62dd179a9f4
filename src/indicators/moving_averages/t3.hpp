#pragma once
// Tillson's T3: six chained EMA stages of period N combined with weights from the volume
// factor v, c1 e6 + c2 e5 + c3 e4 + c4 e3.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>
#include <array>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kT3VolumeFactorMessage = "T3 volume factor must be a finite value in [0.0, 1.0]";

class T3 {
public:
    // Window check on N, then v finite in [0, 1].
    static std::expected<T3, IndicatorError> create(std::uint64_t period, double volume_factor);

    OptionalValue update_value(double x);
    // 6N - 5
    std::uint64_t warmup_period() const { return sat_sub(sat_mul(6, period_), 5); }

    double c1() const { return c1_; }
    double c2() const { return c2_; }
    double c3() const { return c3_; }
    double c4() const { return c4_; }

private:
    T3(std::uint64_t period, double v);

    std::uint64_t period_;
    std::array<EmaStage, 6> stages_;
    double c1_, c2_, c3_, c4_;
    OptionalValue last_;
};

}  // namespace prynox
