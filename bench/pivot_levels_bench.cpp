// Cost of one Indicator::update for each pivot type over the shared random walk. The floor pivots
// read the bar's own candle; MurreyMathLines keeps its window extremes in O(1), at two lengths.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"ClassicPivots", {}},
        {"FibonacciPivots", {}},
        {"WoodiePivots", {}},
        {"Camarilla", {}},
        {"CentralPivotRange", {}},
        {"DemarkPivots", {}},
        {"MurreyMathLines", {20}},
        {"MurreyMathLines", {500}},
    });
    return bench::run_main(argc, argv);
}
