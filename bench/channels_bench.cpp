// Cost of one Indicator::update for each channel type over the shared random walk. Donchian keeps
// its extremes and the fractal bands their fractal test in O(1); the others scan or sort their
// window on every candle (the quantile types one insertion into the sorted copy and a linear
// merge, the regression and projection types two or three passes), so they run at two lengths.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Donchian", {20}},
        {"Donchian", {500}},
        {"FractalChaosBands", {2}},
        {"FractalChaosBands", {20}},
        {"QuartileBands", {20}},
        {"QuartileBands", {500}},
        {"MedianChannel", {20, 2}},
        {"MedianChannel", {500, 2}},
        {"BomarBands", {20, 0.9}},
        {"BomarBands", {500, 0.9}},
        {"LinRegChannel", {20, 2}},
        {"LinRegChannel", {500, 2}},
        {"StandardErrorBands", {20, 2}},
        {"StandardErrorBands", {500, 2}},
        {"ProjectionBands", {14}},
        {"ProjectionBands", {200}},
    });
    return bench::run_main(argc, argv);
}
