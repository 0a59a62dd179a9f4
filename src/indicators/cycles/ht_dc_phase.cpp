#include "indicators/cycles/ht_dc_phase.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

OptionalValue HtDcPhase::advance(double x) {
    auto step = core_.step(x);
    if (step.stage != HilbertPipeline::Stage::Measured || core_.update_count() < kCycleWarmup) return std::nullopt;
    last_ = core_.phase().degrees;
    return last_;
}

}  // namespace prynox
