// Cost of one Indicator::update for the volume-weighted averages and the session VWAP over the
// shared random walk (one bar a minute) with volumes that vary from bar to bar (volume_candles.hpp).
#include "volume_candles.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_on(bench::cycled_volume_candles(), {
        {"Evwma", {20}},
        {"RollingVwap", {20}},
        {"SessionVwap", {0}},
        {"SessionVwap", {-300}},
    });
    return bench::run_main(argc, argv);
}
