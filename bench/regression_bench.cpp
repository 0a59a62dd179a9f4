// Cost of one Indicator::update for each regression indicator over the shared random walk
// (bench_support.hpp), through the boxed object the registry builds.
// LinearRegression through TsfOscillator are O(1); StandardError and CorrelationTrendIndicator refit
// their window on every bar. The bare cores of LinearRegression, LinRegSlope and Tsf as well.
#include "bench_support.hpp"
#include "indicators/regression/lin_reg_slope.hpp"
#include "indicators/regression/linear_regression.hpp"
#include "indicators/regression/tsf.hpp"

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates({
        {"LinearRegression", {14}}, {"LinRegSlope", {14}}, {"LinRegAngle", {14}}, {"LinRegIntercept", {14}},
        {"Tsf", {14}},              {"RSquared", {14}},    {"Cfo", {14}},         {"TsfOscillator", {14}},
        {"StandardError", {14}},    {"CorrelationTrendIndicator", {14}},
        {"LinearRegression", {200}}, {"StandardError", {200}}, {"CorrelationTrendIndicator", {200}},
        {"LinRegSlope", {200}}, {"Tsf", {200}},
    });
    for (std::uint64_t p : {14, 200}) {
        const std::string n = std::to_string(p);
        bench::register_core("LinearRegression/" + n, *LinearRegression::create(p));
        bench::register_core("LinRegSlope/" + n, *LinRegSlope::create(p));
        bench::register_core("Tsf/" + n, *Tsf::create(p));
    }
    return bench::run_main(argc, argv);
}
