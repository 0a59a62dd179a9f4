// Cost of one Indicator::update for each momentum, rate-of-change and band-position type over the shared
// random walk (bench_support.hpp), through the boxed object the registry builds, plus the bare
// cores of Mom, Roc, PercentB and BollingerBandwidth.
#include "bench_support.hpp"
#include "indicators/momentum/mom.hpp"
#include "indicators/momentum/percent_b.hpp"
#include "indicators/momentum/roc.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"Mom", {10}},
        {"Roc", {10}},
        {"Rocp", {10}},
        {"Rocr", {10}},
        {"Rocr100", {10}},
        {"LogReturn", {10}},
        {"Coppock", {14, 11, 10}},
        {"Pmo", {35, 20}},
        {"WavePm", {14, 5}},
        {"Dpo", {20}},
        {"DisparityIndex", {14}},
        {"Tii", {30, 15}},
        {"VerticalHorizontalFilter", {28}},
        {"PolarizedFractalEfficiency", {10, 5}},
        {"Mom", {200}},
        {"Dpo", {200}},
        {"Tii", {200, 100}},
        {"VerticalHorizontalFilter", {200}},
        {"PolarizedFractalEfficiency", {200, 20}},
        {"PercentB", {20, 2}},
        {"BollingerBandwidth", {20, 2}},
        {"PercentB", {200, 2.5}},
        {"BollingerBandwidth", {200, 2.5}},
        {"Roc", {200}},
    });
    for (std::uint64_t p : {10, 200}) {
        const std::string n = std::to_string(p);
        bench::register_core("Mom/" + n, *Mom::create(p));
        bench::register_core("Roc/" + n, *Roc::create(p));
    }
    for (auto [p, k] : {std::pair<std::uint64_t, const char*>{20, "2"}, {200, "2.5"}}) {
        const std::string n = std::to_string(p) + "/" + k;
        const double m = std::stod(k);
        bench::register_core("PercentB/" + n, *PercentB::create(p, m));
        bench::register_core("BollingerBandwidth/" + n, *BollingerBandwidth::create(p, m));
    }
    return bench::run_main(argc, argv);
}
