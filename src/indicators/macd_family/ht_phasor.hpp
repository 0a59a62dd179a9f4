#pragma once
// Hilbert-transform phasor: the in-phase and quadrature components of the dominant cycle, as the
// shared Hilbert pipeline measures them, from the 22nd accepted close on.
#include <array>
#include <cstdint>
#include <expected>

#include "indicators/cores/hilbert_pipeline.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

class HtPhasor {
public:
    static constexpr std::array<const char*, 2> kOutputNames{"inphase", "quadrature"};

    static std::expected<HtPhasor, IndicatorError> create() { return HtPhasor(); }

    // A close the pipeline cannot take (non-finite, or so large that its products overflow)
    // changes nothing.
    bool update_value(double x, std::array<double, 2>& out) {
        if (!accepts_cycle_close(x)) [[unlikely]]
            return false;
        if (pipeline_.step(x).stage != HilbertPipeline::Stage::Measured) return false;
        out = {pipeline_.i1(), pipeline_.q1()};
        return true;
    }

    static constexpr std::uint64_t kWarmup = 22;
    std::uint64_t warmup_period() const { return kWarmup; }

private:
    HtPhasor() = default;
    HilbertPipeline pipeline_;
};

}  // namespace prynox
