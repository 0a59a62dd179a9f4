// Cost of one Indicator::update for each Fibonacci level type and the pitchfork, through the boxed
// object the registry builds. The Fibonacci types over the shared walk and over bars that each
// confirm a swing pivot (swing_zigzag.hpp), where the price-only levels are recomputed on every
// bar; the pitchfork, which tests its window of 2p + 1 candles for a pivot in O(1), over the walk.
#include "swing_zigzag.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_swing_patterns({
        {"FibRetracement", {}}, {"AutoFib", {}}, {"GoldenPocket", {}}, {"FibExtension", {}},  {"FibProjection", {}},
        {"FibFan", {}},         {"FibArcs", {}}, {"FibChannel", {}},   {"FibTimeZones", {}}, {"FibConfluence", {}},
    });
    prynox::bench::register_updates({{"AndrewsPitchfork", {5}}, {"AndrewsPitchfork", {50}}});
    return prynox::bench::run_main(argc, argv);
}
