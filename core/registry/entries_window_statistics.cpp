// Registry rows of the window statistics of the close: moments, order statistics, serial
// structure and complexity.
#include "core/registry/families.hpp"
#include "indicators/window_statistics/autocorrelation.hpp"
#include "indicators/window_statistics/coefficient_of_variation.hpp"
#include "indicators/window_statistics/detrended_std_dev.hpp"
#include "indicators/window_statistics/hurst_exponent.hpp"
#include "indicators/window_statistics/jarque_bera.hpp"
#include "indicators/window_statistics/kurtosis.hpp"
#include "indicators/window_statistics/median_absolute_deviation.hpp"
#include "indicators/window_statistics/rolling_iqr.hpp"
#include "indicators/window_statistics/rolling_min_max_scaler.hpp"
#include "indicators/window_statistics/rolling_percentile_rank.hpp"
#include "indicators/window_statistics/rolling_quantile.hpp"
#include "indicators/window_statistics/sample_entropy.hpp"
#include "indicators/window_statistics/shannon_entropy.hpp"
#include "indicators/window_statistics/skewness.hpp"
#include "indicators/window_statistics/std_dev.hpp"
#include "indicators/window_statistics/variance.hpp"
#include "indicators/window_statistics/z_score.hpp"

namespace prynox::registry_family {

namespace {

constexpr BuilderRow kRows[] = {
    row<"Autocorrelation", Autocorrelation::create>(),
    row<"CoefficientOfVariation", CoefficientOfVariation::create>(),
    row<"DetrendedStdDev", DetrendedStdDev::create>(),
    row<"HurstExponent", HurstExponent::create>(),
    row<"JarqueBera", JarqueBera::create>(),
    row<"Kurtosis", Kurtosis::create>(),
    row<"MedianAbsoluteDeviation", MedianAbsoluteDeviation::create>(),
    row<"RollingIqr", RollingIqr::create>(),
    row<"RollingMinMaxScaler", RollingMinMaxScaler::create>(),
    row<"RollingPercentileRank", RollingPercentileRank::create>(),
    row<"RollingQuantile", RollingQuantile::create>(),
    row<"SampleEntropy", SampleEntropy::create>(),
    row<"ShannonEntropy", ShannonEntropy::create>(),
    row<"Skewness", Skewness::create>(),
    row<"StdDev", StdDev::create>(),
    row<"Variance", Variance::create>(),
    row<"ZScore", ZScore::create>(),
};

}  // namespace

std::span<const BuilderRow> window_statistics() { return kRows; }

}  // namespace prynox::registry_family
