// Cost of one Indicator::update for each reversal and trend signal over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds. PivotReversal tests its
// L + R + 1 bars for a pivot and ThreeLineBreak keeps the extremes of its k lines, both in O(1).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"PivotReversal", {2, 2}},
        {"PivotReversal", {10, 10}},
        {"TtmTrend", {6}},
        {"ThreeLineBreak", {3}},
        {"ThreeLineBreak", {50}},
        {"NewPriceLines", {3}},
    });
    return prynox::bench::run_main(argc, argv);
}
