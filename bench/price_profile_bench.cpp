// Cost of one Indicator::update for the price-profile and rounded-formation types over the shared
// random walk (bench_support.hpp). The profile types rebuild their bins from the window (NakedPoc
// once a block), the formations scan their closes: each runs at two sizes.
#include "bench_support.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"NakedPoc", {20, 24}},
        {"NakedPoc", {1, 1}},
        {"NakedPoc", {100, 200}},
        {"ProfileShape", {20, 24}},
        {"ProfileShape", {100, 200}},
        {"SinglePrints", {20, 24}},
        {"SinglePrints", {100, 200}},
        {"DumplingTop", {20}},
        {"DumplingTop", {200}},
        {"FryPanBottom", {20}},
        {"FryPanBottom", {200}},
    });
    return bench::run_main(argc, argv);
}
