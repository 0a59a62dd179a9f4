// Cost of one Indicator::update of %B and the Bollinger bandwidth over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"PercentB", {20, 2}},
        {"BollingerBandwidth", {20, 2}},
        {"PercentB", {200, 2.5}},
        {"BollingerBandwidth", {200, 2.5}},
    });
    return prynox::bench::run_main(argc, argv);
}
