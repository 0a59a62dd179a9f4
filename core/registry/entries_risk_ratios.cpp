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

constexpr BuilderRow kRows[] = {
    row<"AverageDrawdown", AverageDrawdown::create>(),
    row<"BurkeRatio", BurkeRatio::create>(),
    row<"CalmarRatio", CalmarRatio::create>(),
    row<"Expectancy", Expectancy::create>(),
    row<"GainLossRatio", GainLossRatio::create>(),
    row<"GainToPainRatio", GainToPainRatio::create>(),
    row<"KRatio", KRatio::create>(),
    row<"KellyCriterion", KellyCriterion::create>(),
    row<"M2Measure", M2Measure::create>(),
    row<"MartinRatio", MartinRatio::create>(),
    row<"MaxDrawdown", MaxDrawdown::create>(),
    row<"OmegaRatio", [](std::uint64_t period, double threshold) {
        return OmegaRatio::with_formula(period, OmegaRatioFormula{threshold});
    }>(),
    row<"PainIndex", PainIndex::create>(),
    row<"ProfitFactor", ProfitFactor::create>(),
    row<"RecoveryFactor", RecoveryFactor::create>(),
    row<"SharpeRatio", SharpeRatio::create>(),
    row<"SortinoRatio", SortinoRatio::create>(),
    row<"SterlingRatio", SterlingRatio::create>(),
    row<"UpsidePotentialRatio", UpsidePotentialRatio::create>(),
    row<"WinRate", WinRate::create>(),
};

}  // namespace

std::span<const BuilderRow> risk_ratios() { return kRows; }

}  // namespace prynox::registry_family
