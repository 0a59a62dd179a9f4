// Cost of one Indicator::update for each trailing stop and exit over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"SuperTrend", {10, 3}},
        {"AtrRatchet", {14, 2, 0.1}},
        {"YoyoExit", {10, 2}},
        {"Nrtr", {2}},
        {"ModifiedMaStop", {20}},
        {"ElderSafeZone", {20, 2}},
        {"KaseDevStop", {20, 1}},
        {"ChandelierExit", {22, 3}},
        {"ChandelierExit", {500, 3}},
        {"ChandeKrollStop", {10, 1, 9}},
        {"ChandeKrollStop", {500, 1, 500}},
        {"DonchianStop", {20}},
        {"DonchianStop", {500}},
        {"ZigZag", {0.01}},
    });
    return bench::run_main(argc, argv);
}
