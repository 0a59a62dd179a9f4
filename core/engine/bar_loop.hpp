#pragma once
// The second half of a run: one pass over the candles, then the report.
#include "core/engine/run_validation.hpp"

namespace prynox {

// Never fails: every error of a run was found by prepare_run.
RunResult run_bar_loop(const ImpactSpec& spec, const RunData& data, RunSetup& setup);

}  // namespace prynox
