// Cost of one Indicator::update for each range volatility estimator over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"ParkinsonVolatility", {20, 252}},
        {"GarmanKlassVolatility", {20, 252}},
        {"RogersSatchellVolatility", {20, 252}},
        {"ParkinsonVolatility", {500, 252}},
    });
    return prynox::bench::run_main(argc, argv);
}
