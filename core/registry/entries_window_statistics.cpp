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

const BuilderRow kRows[] = {
    {"Autocorrelation",
     [](const ParamValues& p) { return box_close(Autocorrelation::create(p.window(0), p.window(1))); }},
    {"CoefficientOfVariation",
     [](const ParamValues& p) { return box_close(CoefficientOfVariation::create(p.window(0))); }},
    {"DetrendedStdDev", [](const ParamValues& p) { return box_close(DetrendedStdDev::create(p.window(0))); }},
    {"HurstExponent", [](const ParamValues& p) { return box_close(HurstExponent::create(p.window(0), p.window(1))); }},
    {"JarqueBera", [](const ParamValues& p) { return box_close(JarqueBera::create(p.window(0))); }},
    {"Kurtosis", [](const ParamValues& p) { return box_close(Kurtosis::create(p.window(0))); }},
    {"MedianAbsoluteDeviation",
     [](const ParamValues& p) { return box_close(MedianAbsoluteDeviation::create(p.window(0))); }},
    {"RollingIqr", [](const ParamValues& p) { return box_close(RollingIqr::create(p.window(0))); }},
    {"RollingMinMaxScaler", [](const ParamValues& p) { return box_close(RollingMinMaxScaler::create(p.window(0))); }},
    {"RollingPercentileRank",
     [](const ParamValues& p) { return box_close(RollingPercentileRank::create(p.window(0))); }},
    {"RollingQuantile",
     [](const ParamValues& p) { return box_close(RollingQuantile::create(p.window(0), p.real(1))); }},
    {"SampleEntropy",
     [](const ParamValues& p) { return box_close(SampleEntropy::create(p.window(0), p.window(1), p.real(2))); }},
    {"ShannonEntropy",
     [](const ParamValues& p) { return box_close(ShannonEntropy::create(p.window(0), p.window(1))); }},
    {"Skewness", [](const ParamValues& p) { return box_close(Skewness::create(p.window(0))); }},
    {"StdDev", [](const ParamValues& p) { return box_close(StdDev::create(p.window(0))); }},
    {"Variance", [](const ParamValues& p) { return box_close(Variance::create(p.window(0))); }},
    {"ZScore", [](const ParamValues& p) { return box_close(ZScore::create(p.window(0))); }},
};

}  // namespace

std::span<const BuilderRow> window_statistics() { return kRows; }

}  // namespace prynox::registry_family
