// Cost of one Indicator::update for each DeMark sequence and level over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds. Every type is O(1): the
// windows are read at fixed positions and the run extremes carried from bar to bar.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"TdSequential", {4, 9, 2, 13}},
        {"TdSequential", {500, 9, 200, 13}},
        {"TdLines", {4, 3}},
        {"TdRiskLevel", {4, 3}},
        {"TdMovingAverage", {3, 5}},
        {"TdMovingAverage", {13, 500}},
        {"TdRangeProjection", {}},
    });
    return bench::run_main(argc, argv);
}
