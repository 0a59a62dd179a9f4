// Registry rows of the rolling pair statistics: the types that compare the close with the
// reference series.
#include "core/registry/families.hpp"
#include "indicators/pair_statistics/alpha.hpp"
#include "indicators/pair_statistics/beta.hpp"
#include "indicators/pair_statistics/beta_neutral_spread.hpp"
#include "indicators/pair_statistics/distance_ssd.hpp"
#include "indicators/pair_statistics/estimated_leverage_ratio.hpp"
#include "indicators/pair_statistics/information_ratio.hpp"
#include "indicators/pair_statistics/kendall_tau.hpp"
#include "indicators/pair_statistics/pair_spread_z_score.hpp"
#include "indicators/pair_statistics/pairwise_beta.hpp"
#include "indicators/pair_statistics/pearson_correlation.hpp"
#include "indicators/pair_statistics/rolling_correlation.hpp"
#include "indicators/pair_statistics/rolling_covariance.hpp"
#include "indicators/pair_statistics/spearman_correlation.hpp"
#include "indicators/pair_statistics/treynor_ratio.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Alpha", Alpha::create>(),
    row<"Beta", Beta::create>(),
    row<"BetaNeutralSpread", BetaNeutralSpread::create>(),
    row<"DistanceSsd", DistanceSsd::create>(),
    row<"EstimatedLeverageRatio", EstimatedLeverageRatio::create>(),
    row<"InformationRatio", InformationRatio::create>(),
    row<"KendallTau", KendallTau::create>(),
    row<"PairSpreadZScore", PairSpreadZScore::create>(),
    row<"PairwiseBeta", PairwiseBeta::create>(),
    row<"PearsonCorrelation", PearsonCorrelation::create>(),
    row<"RollingCorrelation", RollingCorrelation::create>(),
    row<"RollingCovariance", RollingCovariance::create>(),
    row<"SpearmanCorrelation", SpearmanCorrelation::create>(),
    row<"TreynorRatio", TreynorRatio::create>(),
};

}  // namespace

std::span<const BuilderRow> pair_statistics() { return kRows; }

}  // namespace prynox::registry_family
