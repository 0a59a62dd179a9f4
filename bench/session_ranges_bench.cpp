// Cost of one Indicator::update for each session and opening range type over the shared random
// walk (bench_support.hpp, a candle a minute: about 694 days), through the boxed object the
// registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"InitialBalance", {30}},
        {"OpeningRange", {30}},
        {"OvernightIntradayReturn", {0}},
        {"OvernightIntradayReturn", {-300}},
        {"SessionHighLow", {0}},
        {"SessionHighLow", {-300}},
        {"SessionRange", {0}},
        {"SessionRange", {330}},
    });
    return prynox::bench::run_main(argc, argv);
}
