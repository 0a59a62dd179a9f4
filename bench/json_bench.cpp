// Reading speed of a "run" command of 100,000 candles: the syntax check alone, and the whole
// command (check and typed read of the data in one pass).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "core/json/lexer.hpp"
#include "core/protocol/command.hpp"

namespace {

std::string command_text(int n) {
    std::mt19937_64 rng(1);
    std::normal_distribution<double> step(0.0, 0.5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string s = R"({"cmd":"run","data":{"candles":[)";
    double price = 100.0;
    char buf[256];
    for (int k = 0; k < n; ++k) {
        const double o = price;
        price = std::max(0.01, price + step(rng));
        std::snprintf(buf, sizeof buf,
                      R"(%s{"time":%lld,"open":%.4f,"high":%.4f,"low":%.4f,"close":%.4f,"volume":%.3f})",
                      k ? "," : "", 1600000000000LL + k * 60000LL, o, std::max(o, price) + unit(rng),
                      std::min(o, price) - unit(rng), price, unit(rng) * 1000);
        s += buf;
    }
    s += "]}}";
    return s;
}

const std::string& text() {
    static const std::string t = command_text(100000);
    return t;
}

void BM_CheckCommandSyntax(benchmark::State& state) {
    const std::string& t = text();
    for (auto _ : state) {
        prynox::Lexer lx(t, true);
        auto ok = lx.skip_value(true);
        benchmark::DoNotOptimize(ok);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.size()));
}
BENCHMARK(BM_CheckCommandSyntax)->Unit(benchmark::kMillisecond);

// The whole command on a handle without a specification: check, read the data, answer.
void BM_RunCommandReadsData(benchmark::State& state) {
    const std::string& t = text();
    std::optional<prynox::ImpactSpec> none;
    for (auto _ : state) {
        auto answer = prynox::run_command(none, t);
        benchmark::DoNotOptimize(answer);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.size()));
}
BENCHMARK(BM_RunCommandReadsData)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
