// Reading speed of a "run" command of 100,000 candles: the syntax check alone, and the whole
// command (check and typed read of the data in one pass), on three texts: prices rounded to 4
// decimals, full-precision doubles (shortest round-trip form, 16 or 17 significant digits), and
// the full-precision candles with one book per candle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <random>
#include <string>

#include "core/json/lexer.hpp"
#include "core/protocol/command.hpp"

namespace {

enum class Text { Short, Full, Books };

void append_double(std::string& s, double v) {
    char buf[32];
    s.append(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

std::string command_text(int n, Text kind) {
    std::mt19937_64 rng(1);
    std::normal_distribution<double> step(0.0, 0.5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string s = R"({"cmd":"run","data":{"candles":[)";
    std::string books = R"(,"books":[)";
    double price = 100.0;
    char buf[256];
    for (int k = 0; k < n; ++k) {
        const double o = price;
        price = std::max(0.01, price + step(rng));
        const double high = std::max(o, price) + unit(rng);
        const double low = std::min(o, price) - unit(rng);
        const double volume = unit(rng) * 1000;
        if (kind == Text::Short) {
            std::snprintf(buf, sizeof buf,
                          R"(%s{"time":%lld,"open":%.4f,"high":%.4f,"low":%.4f,"close":%.4f,"volume":%.3f})",
                          k ? "," : "", 1600000000000LL + k * 60000LL, o, high, low, price, volume);
            s += buf;
            continue;
        }
        std::snprintf(buf, sizeof buf, R"(%s{"time":%lld,"open":)", k ? "," : "", 1600000000000LL + k * 60000LL);
        s += buf;
        const char* keys[] = {R"(,"high":)", R"(,"low":)", R"(,"close":)", R"(,"volume":)"};
        const double rest[] = {high, low, price, volume};
        append_double(s, o);
        for (int f = 0; f < 4; ++f) {
            s += keys[f];
            append_double(s, rest[f]);
        }
        s += '}';
        if (kind == Text::Books) {
            const double spread = unit(rng) * 0.05;
            books += k ? R"(,{"bids":[[)" : R"({"bids":[[)";
            append_double(books, o - spread);
            books += ',';
            append_double(books, unit(rng) * 100);
            books += R"(]],"asks":[[)";
            append_double(books, o + spread);
            books += ',';
            append_double(books, unit(rng) * 100);
            books += "]]}";
        }
    }
    s += ']';
    if (kind == Text::Books) s += books + ']';
    s += "}}";
    return s;
}

const std::string& text(Text kind) {
    static const std::string t[] = {command_text(100000, Text::Short), command_text(100000, Text::Full),
                                    command_text(100000, Text::Books)};
    return t[static_cast<int>(kind)];
}

void BM_CheckCommandSyntax(benchmark::State& state, Text kind) {
    const std::string& t = text(kind);
    for (auto _ : state) {
        prynox::Lexer lx(t, true);
        auto ok = lx.skip_value(true);
        benchmark::DoNotOptimize(ok);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.size()));
}
BENCHMARK_CAPTURE(BM_CheckCommandSyntax, short, Text::Short)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckCommandSyntax, full, Text::Full)->Unit(benchmark::kMillisecond);

// The whole command on a handle without a specification: check, read the data, answer.
void BM_RunCommandReadsData(benchmark::State& state, Text kind) {
    const std::string& t = text(kind);
    std::optional<prynox::ImpactSpec> none;
    for (auto _ : state) {
        auto answer = prynox::run_command(none, t);
        benchmark::DoNotOptimize(answer);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.size()));
}
BENCHMARK_CAPTURE(BM_RunCommandReadsData, short, Text::Short)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunCommandReadsData, full, Text::Full)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunCommandReadsData, books, Text::Books)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
