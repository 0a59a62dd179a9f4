// Cost of one Indicator::update for the MACD family and adaptive averages over the shared random
// walk (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"MacdIndicator", {12, 26, 9}},
        {"MacdFix", {9}},
        {"VolumeWeightedMacd", {12, 26, 9}},
        {"ZeroLagMacd", {12, 26, 9}},
        {"Mama", {0.5, 0.05}},
        {"HtPhasor", {}},
        {"Alligator", {13, 8, 5}},
        {"GatorOscillator", {13, 8, 5}},
    });
    return prynox::bench::run_main(argc, argv);
}
