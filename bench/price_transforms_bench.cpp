// Cost of one Indicator::update for each price transform and bar measure over the shared random
// walk (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"AvgPrice", {}},     {"WeightedClose", {}},     {"TypicalPrice", {}},          {"MedianPrice", {}},
        {"HighLowRange", {}}, {"CloseVsOpen", {}},       {"BodySizePct", {}},           {"BalanceOfPower", {}},
        {"ShadowRatio", {}},  {"IntradayIntensity", {}}, {"MarketFacilitationIndex", {}}, {"TrueRange", {}},
    });
    return prynox::bench::run_main(argc, argv);
}
