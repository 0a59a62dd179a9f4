#pragma once
// One backtest over the candles of a run.
#include <expected>

#include "core/errors/command_error.hpp"
#include "core/model/market.hpp"
#include "core/model/report.hpp"
#include "core/model/spec.hpp"
#include "core/registry/indicator_source.hpp"

namespace prynox {

// The caller names the indicator source: the engine knows the interface, not the table.
std::expected<RunResult, CommandError> run_backtest(const ImpactSpec& spec, const RunData& data,
                                                    const IndicatorSource& indicators);

}  // namespace prynox
