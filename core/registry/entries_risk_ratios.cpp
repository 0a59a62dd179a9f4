// Registry rows of the drawdown measures and the risk and performance ratios of the close.
#include "core/registry/families.hpp"
#include "indicators/risk_ratios/average_drawdown.hpp"
#include "indicators/risk_ratios/burke_ratio.hpp"
#include "indicators/risk_ratios/calmar_ratio.hpp"
#include "indicators/risk_ratios/expectancy.hpp"
#include "indicators/risk_ratios/gain_loss_ratio.hpp"
#include "indicators/risk_ratios/gain_to_pain_ratio.hpp"
#include "indicators/risk_ratios/k_ratio.hpp"
#include "indicators/risk_ratios/kelly_criterion.hpp"
#include "indicators/risk_ratios/m2_measure.hpp"
#include "indicators/risk_ratios/martin_ratio.hpp"
#include "indicators/risk_ratios/max_drawdown.hpp"
#include "indicators/risk_ratios/omega_ratio.hpp"
#include "indicators/risk_ratios/pain_index.hpp"
#include "indicators/risk_ratios/profit_factor.hpp"
#include "indicators/risk_ratios/recovery_factor.hpp"
#include "indicators/risk_ratios/sharpe_ratio.hpp"
#include "indicators/risk_ratios/sortino_ratio.hpp"
#include "indicators/risk_ratios/sterling_ratio.hpp"
#include "indicators/risk_ratios/upside_potential_ratio.hpp"
#include "indicators/risk_ratios/win_rate.hpp"

namespace prynox::registry_family {

namespace {

const BuilderRow kRows[] = {
    {"AverageDrawdown", [](const ParamValues& p) { return box_close(AverageDrawdown::create(p.window(0))); }},
    {"BurkeRatio", [](const ParamValues& p) { return box_close(BurkeRatio::create(p.window(0))); }},
    {"CalmarRatio", [](const ParamValues& p) { return box_close(CalmarRatio::create(p.window(0))); }},
    {"Expectancy", [](const ParamValues& p) { return box_close(Expectancy::create(p.window(0))); }},
    {"GainLossRatio", [](const ParamValues& p) { return box_close(GainLossRatio::create(p.window(0))); }},
    {"GainToPainRatio", [](const ParamValues& p) { return box_close(GainToPainRatio::create(p.window(0))); }},
    {"KRatio", [](const ParamValues& p) { return box_close(KRatio::create(p.window(0))); }},
    {"KellyCriterion", [](const ParamValues& p) { return box_close(KellyCriterion::create(p.window(0))); }},
    {"M2Measure",
     [](const ParamValues& p) { return box_close(M2Measure::create(p.window(0), p.real(1), p.real(2))); }},
    {"MartinRatio", [](const ParamValues& p) { return box_close(MartinRatio::create(p.window(0))); }},
    {"MaxDrawdown", [](const ParamValues& p) { return box_close(MaxDrawdown::create(p.window(0))); }},
    {"OmegaRatio",
     [](const ParamValues& p) { return box_close(OmegaRatio::create(p.window(0), OmegaRatioFormula{p.real(1)})); }},
    {"PainIndex", [](const ParamValues& p) { return box_close(PainIndex::create(p.window(0))); }},
    {"ProfitFactor", [](const ParamValues& p) { return box_close(ProfitFactor::create(p.window(0))); }},
    // No parameters and no checks: built in place.
    {"RecoveryFactor",
     [](const ParamValues&) { return box_close(std::expected<RecoveryFactor, IndicatorError>(RecoveryFactor{})); }},
    {"SharpeRatio", [](const ParamValues& p) { return box_close(SharpeRatio::create(p.window(0), p.real(1))); }},
    {"SortinoRatio", [](const ParamValues& p) { return box_close(SortinoRatio::create(p.window(0), p.real(1))); }},
    {"SterlingRatio", [](const ParamValues& p) { return box_close(SterlingRatio::create(p.window(0))); }},
    {"UpsidePotentialRatio",
     [](const ParamValues& p) { return box_close(UpsidePotentialRatio::create(p.window(0), p.real(1))); }},
    {"WinRate", [](const ParamValues& p) { return box_close(WinRate::create(p.window(0))); }},
};

}  // namespace

std::span<const BuilderRow> risk_ratios() { return kRows; }

}  // namespace prynox::registry_family
