// Cost of one Indicator::update for Williams %R (its window's extremes in O(1) per candle: 14 and
// 200 candles cost the same) and the Yang-Zhang volatility over the shared random walk
// (bench_support.hpp).
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"WilliamsR", {14}},
        {"WilliamsR", {200}},
        {"YangZhangVolatility", {20, 252}},
        {"YangZhangVolatility", {500, 252}},
    });
    return bench::run_main(argc, argv);
}
