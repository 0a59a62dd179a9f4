// Cost of one Indicator::update for each DeMark count over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"TdSetup", {4, 9}},
        {"TdCountdown", {4, 9, 2, 13}},
        {"TdCombo", {4, 9, 2, 13}},
        {"TdCountdown", {500, 9, 200, 13}},
    });
    return bench::run_main(argc, argv);
}
