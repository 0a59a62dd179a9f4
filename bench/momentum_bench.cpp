// Cost of one Indicator::update for each momentum, rate-of-change and band-position type over the shared
// random walk (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"Mom", {10}},
        {"Roc", {10}},
        {"Rocp", {10}},
        {"Rocr", {10}},
        {"Rocr100", {10}},
        {"LogReturn", {10}},
        {"Coppock", {14, 11, 10}},
        {"Pmo", {35, 20}},
        {"WavePm", {14, 5}},
        {"Dpo", {20}},
        {"DisparityIndex", {14}},
        {"Tii", {30, 15}},
        {"VerticalHorizontalFilter", {28}},
        {"PolarizedFractalEfficiency", {10, 5}},
        {"Mom", {200}},
        {"Dpo", {200}},
        {"Tii", {200, 100}},
        {"VerticalHorizontalFilter", {200}},
        {"PolarizedFractalEfficiency", {200, 20}},
        {"PercentB", {20, 2}},
        {"BollingerBandwidth", {20, 2}},
        {"PercentB", {200, 2.5}},
        {"BollingerBandwidth", {200, 2.5}},
    });
    return prynox::bench::run_main(argc, argv);
}
