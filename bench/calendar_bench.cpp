// Cost of one Indicator::update for each calendar type over the shared random walk
// (bench_support.hpp, a candle a minute: about 694 days), through the boxed object the registry
// builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    prynox::bench::register_updates({
        {"AverageDailyRange", {20, 0}},
        {"AverageDailyRange", {5, -300}},
        {"OvernightGap", {0}},
        {"SeasonalZScore", {0}},
        {"TurnOfMonth", {3, 3, 0}},
    });
    return prynox::bench::run_main(argc, argv);
}
