#include "core/engine/backtest.hpp"

#include "core/engine/bar_loop.hpp"
#include "core/engine/run_validation.hpp"
#include "core/registry/registry.hpp"

namespace prynox {
namespace {

class RegistrySource final : public IndicatorSource {
public:
    std::expected<std::unique_ptr<Indicator>, EngineError> build(std::string_view type,
                                                                 std::span<const double> params) const override {
        return build_indicator(type, params);
    }
    std::optional<Feed> feed(std::string_view type) const override { return indicator_feed(type); }
};

}  // namespace

const IndicatorSource& default_indicator_source() {
    static const RegistrySource source;
    return source;
}

std::expected<RunResult, CommandError> run_backtest(const ImpactSpec& spec, const RunData& data) {
    return run_backtest(spec, data, default_indicator_source());
}

std::expected<RunResult, CommandError> run_backtest(const ImpactSpec& spec, const RunData& data,
                                                    const IndicatorSource& indicators) {
    auto setup = prepare_run(spec, data, indicators);
    if (!setup) return std::unexpected(std::move(setup.error()));
    return run_bar_loop(spec, data, *setup);
}

}  // namespace prynox
