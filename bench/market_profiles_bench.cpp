// Cost of one Indicator::update for each market-profile type over the shared random walk. The
// histogram types rescan their window and rebuild their bins on every candle (window × spanned
// bins + bins), so they run at window 100 with 50 bins and window 1,000 with 200 bins;
// VolumeWeightedSr keeps running sums (O(1)); VolatilityCone keeps shifted sums and a sorted
// history (one insertion and one removal per candle), at two lookbacks.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"VolumeProfile", {100, 50}},
        {"VolumeProfile", {1000, 200}},
        {"TpoProfile", {100, 50}},
        {"TpoProfile", {1000, 200}},
        {"ValueArea", {100, 50, 0.7}},
        {"ValueArea", {1000, 200, 0.7}},
        {"CompositeProfile", {100, 50, 0.7}},
        {"CompositeProfile", {1000, 200, 0.7}},
        {"HighLowVolumeNodes", {100, 50}},
        {"HighLowVolumeNodes", {1000, 200}},
        {"VolumeWeightedSr", {20}},
        {"VolumeWeightedSr", {500}},
        {"VolatilityCone", {20, 252}},
        {"VolatilityCone", {100, 1000}},
    });
    return bench::run_main(argc, argv);
}
