#include "core/engine/run_validation.hpp"

#include <charconv>
#include <cmath>
#include <string>

#include "core/engine/rules.hpp"
#include "core/engine/timeframe.hpp"
#include "core/registry/registry.hpp"

namespace prynox {
namespace {

std::unexpected<CommandError> bad_spec(const EngineError& e) {
    return std::unexpected(CommandError::bad_spec(e.display()));
}

std::unexpected<CommandError> invalid_spec(std::string_view message) {
    return bad_spec(EngineError::invalid_spec(std::string(message)));
}

std::string spec_version_message(std::uint32_t version) {
    char digits[16];
    std::string s(kSpecVersionPrefix);
    s.append(digits, std::to_chars(digits, digits + sizeof digits, version).ptr);
    s.append(kSpecVersionSuffix);
    s.append(digits, std::to_chars(digits, digits + sizeof digits, kSpecVersion).ptr);
    return s;
}

// Checks 1 to 8: the strategy on its own.
std::optional<CommandError> check_strategy(const StrategySpec& s, const IndicatorSource& source) {
    {
        const DeclaredIds declared(s.indicators);
        const Condition* rules[] = {&s.entry, &s.exit, s.short_entry ? &*s.short_entry : nullptr,
                                    s.short_exit ? &*s.short_exit : nullptr};
        for (const Condition* rule : rules) {
            if (rule == nullptr) continue;
            if (auto err = first_undeclared_reference(*rule, declared)) {
                return CommandError::bad_spec(err->display());
            }
        }
    }
    if (s.spec_version != kSpecVersion) return invalid_spec(spec_version_message(s.spec_version)).error();
    if (s.sizing.kind == Sizing::Kind::RiskPerTrade && !s.risk.stop_loss_pct) {
        return invalid_spec(kRiskPerTradeNeedsStop).error();
    }
    for (const auto& [id, ind] : s.indicators) {
        if (!ind.feed) continue;
        const std::optional<Feed> consumed = source.feed(ind.type);
        if (!consumed || *consumed == *ind.feed) continue;
        return invalid_spec(feed_mismatch_message(id, ind.type, feed_name(*ind.feed), feed_name(*consumed))).error();
    }
    const Execution& x = s.execution;
    if (x.order_type == OrderType::Limit && !x.limit_offset_pct) return invalid_spec(kLimitNeedsOffset).error();
    if (x.order_type == OrderType::Stop && !x.stop_offset_pct) return invalid_spec(kStopNeedsOffset).error();
    if (x.order_type == OrderType::StopLimit && (!x.stop_offset_pct || !x.limit_offset_pct)) {
        return invalid_spec(kStopLimitNeedsOffsets).error();
    }
    if (x.partial_fills && !x.max_participation) return invalid_spec(kPartialFillsNeedCap).error();
    if (x.fill_timing == FillTiming::Close) {
        if (x.order_type != OrderType::Market) return invalid_spec(kCloseNeedsMarket).error();
        if (x.latency_bars > 0) return invalid_spec(kCloseWithLatency).error();
    }
    return std::nullopt;
}

// Checks 9 to 11: the impact settings.
std::optional<CommandError> check_impact(const ImpactSpec& spec) {
    if (!(spec.participation_cap > 0.0 && spec.participation_cap <= 1.0)) {
        return CommandError::bad_spec(std::string(kParticipationCapRange));
    }
    const BookModel& m = spec.book_model;
    if (m.kind != BookModel::Kind::OrderbookWalk && !(std::isfinite(m.coef) && m.coef >= 0.0)) {
        return CommandError::bad_spec(std::string(kImpactCoefRange));
    }
    const Slippage& slip = spec.strategy.costs.slippage;
    if (!(slip.kind == Slippage::Kind::FixedBps && slip.value == 0.0)) {
        return CommandError::bad_spec(std::string(kSlippageOverridden));
    }
    return std::nullopt;
}

// Checks 12 to 17: the market data's lengths.
std::optional<CommandError> check_data(const ImpactSpec& spec, const RunData& d) {
    const std::size_t n = d.candles.size();
    if (n == 0) return CommandError::data(std::string(kNoCandles));
    if (!d.books && spec.book_model.kind == BookModel::Kind::OrderbookWalk) {
        return CommandError::data(std::string(kWalkNeedsBooks));
    }
    if (d.books && d.books->size() != n) return CommandError::data(std::string(kBooksLength));
    if (d.reference && d.reference->size() != n) return CommandError::data(std::string(kReferenceLength));
    if (d.derivs && d.derivs->size() != n) return CommandError::data(std::string(kDerivsLength));
    if (d.trades && d.trades->size() != n) return CommandError::data(std::string(kTradesLength));
    return std::nullopt;
}

}  // namespace

std::string feed_mismatch_message(std::string_view id, std::string_view type, std::string_view declared,
                                  std::string_view consumed) {
    std::string s = "indicator '";
    s.append(id);
    s.append("' (");
    s.append(type);
    s.append(") declares feed ");
    s.append(declared);
    s.append(" but consumes ");
    s.append(consumed);
    return s;
}

CommandError backtest_error(const EngineError& error) { return CommandError::backtest(error.display()); }

std::expected<RunSetup, CommandError> prepare_run(const ImpactSpec& spec, const RunData& data,
                                                  const IndicatorSource& source) {
    const StrategySpec& s = spec.strategy;
    if (auto err = check_strategy(s, source)) return std::unexpected(std::move(*err));
    if (auto err = check_impact(spec)) return std::unexpected(std::move(*err));
    if (auto err = check_data(spec, data)) return std::unexpected(std::move(*err));

    RunSetup setup;
    auto bar_ms = timeframe_ms(s.timeframe);
    if (!bar_ms) return std::unexpected(CommandError::bad_spec(std::move(bar_ms.error())));
    setup.bar_ms = *bar_ms;

    BuiltIndicators& built = setup.indicators;
    built.ids.reserve(s.indicators.size());
    built.objects.reserve(s.indicators.size());
    std::uint64_t largest = 0;
    for (const auto& [id, ind] : s.indicators) {
        auto object = source.build(ind.type, ind.params);
        if (!object) return std::unexpected(backtest_error(object.error()));
        if (!*object) throw EngineInvariantError("indicator source built no object");
        const std::uint64_t w = (*object)->warmup_period();
        if (w > largest) largest = w;
        built.ids.push_back(id);
        built.objects.push_back(std::move(*object));
    }
    built.warmup = s.warmup ? *s.warmup : largest;
    return setup;
}

}  // namespace prynox
