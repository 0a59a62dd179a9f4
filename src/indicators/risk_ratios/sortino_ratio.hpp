#pragma once
// Mean excess of the last N returns over a minimum acceptable return (mar), over the root of
// their mean squared shortfall below it; 0 when no return falls below mar. The sum of the
// window is kept running and recomputed exactly every N updates; a return whose running sum
// overflows still joins the window, and the mean gives no value until a recomputation finds
// the sum finite again.
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/indicator_error.hpp"
#include "indicators/cores/resummed_window.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kSortinoRatioPeriodMessage = "sortino ratio needs period >= 2";

class SortinoRatio {
public:
    // mar is not checked (the registry reads it finite).
    static std::expected<SortinoRatio, IndicatorError> create(std::uint64_t period, double mar);

    OptionalValue update_value(double x);
    std::uint64_t warmup_period() const { return returns_.length(); }

private:
    SortinoRatio(std::uint64_t period, double mar) : returns_(period), n_(static_cast<double>(period)), mar_(mar) {}

    ResummedWindow returns_;
    double n_;
    double mar_;
};

}  // namespace prynox
