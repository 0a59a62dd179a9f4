#include "core/engine/backtest.hpp"

#include "core/engine/bar_loop.hpp"
#include "core/engine/run_validation.hpp"

namespace prynox {

std::expected<RunResult, CommandError> run_backtest(const ImpactSpec& spec, const RunData& data,
                                                    const IndicatorSource& indicators) {
    auto setup = prepare_run(spec, data, indicators);
    if (!setup) return std::unexpected(std::move(setup.error()));
    return run_bar_loop(spec, data, *setup);
}

}  // namespace prynox
