#pragma once
// One backtest over the candles of a run.
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "core/engine/engine_error.hpp"
#include "core/model/market.hpp"
#include "core/model/report.hpp"
#include "core/model/spec.hpp"
#include "core/protocol/command_error.hpp"
#include "indicators/indicator.hpp"

namespace prynox {

// Where a run gets its indicators; tests substitute their own.
class IndicatorSource {
public:
    virtual ~IndicatorSource() = default;
    virtual std::expected<std::unique_ptr<Indicator>, EngineError> build(std::string_view type,
                                                                         std::span<const double> params) const = 0;
    virtual std::optional<Feed> feed(std::string_view type) const = 0;
};

// The library's own registry.
const IndicatorSource& default_indicator_source();

std::expected<RunResult, CommandError> run_backtest(const ImpactSpec& spec, const RunData& data);
std::expected<RunResult, CommandError> run_backtest(const ImpactSpec& spec, const RunData& data,
                                                    const IndicatorSource& indicators);

}  // namespace prynox
