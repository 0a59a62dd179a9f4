// Cost of one Indicator::update for each directional movement and true range type over the
// shared random walk (bench_support.hpp), through the boxed object the registry builds.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Atr", {14}},
        {"Natr", {14}},
        {"PlusDm", {14}},
        {"MinusDm", {14}},
        {"PlusDi", {14}},
        {"MinusDi", {14}},
        {"Dx", {14}},
        {"Adxr", {14}},
        {"VolatilityRatio", {14}},
        {"Atr", {500}},
        {"Adxr", {500}},
    });
    return bench::run_main(argc, argv);
}
