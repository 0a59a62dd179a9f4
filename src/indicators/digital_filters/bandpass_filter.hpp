#pragma once
// Band-pass filter of the close around a period, with a relative bandwidth in (0, 1).
#include <cmath>
#include <cstdint>
#include <expected>
#include <optional>

#include "indicators/cores/bandpass_stage.hpp"
#include "indicators/indicator_error.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

inline constexpr const char* kBandpassBandwidthMessage = "bandpass bandwidth must be in (0, 1)";

class BandpassFilter {
public:
    // Window check on the period, then the bandwidth.
    static std::expected<BandpassFilter, IndicatorError> create(std::uint64_t period, double bandwidth);

    // 0 for the first two closes. A step that overflows gives nothing and changes nothing.
    OptionalValue update_value(double x) {
        if (!std::isfinite(x)) return std::nullopt;
        double b = stage_.next(x);
        if (!std::isfinite(b)) [[unlikely]]
            return std::nullopt;
        stage_.commit(x, b);
        return b;
    }
    std::uint64_t warmup_period() const { return 1; }

    const BandpassStage& stage() const { return stage_; }

private:
    BandpassFilter(std::uint64_t period, double bandwidth)
        : stage_(period, BandpassStage::width_angle(bandwidth, period)) {}

    BandpassStage stage_;
};

}  // namespace prynox
