// Writes the reference table of every indicator type, docs/indicators.md, from the registry:
//
//   indicator_table [FILE]        (standard output without FILE)
//
// Per type: its feed, its parameter kinds in index order, and, once the type builds, its named
// outputs and warm-up. A type is built with its first row of the generic test harness, whose
// rows are known to build; that row is shown as the example. The warm-up is given as a formula of
// the integer parameters where probing shows one: the type is rebuilt with each parameter moved
// in turn, and every probe that builds must fit one affine formula of the P and U parameters,
// with F and I parameters leaving it unchanged. Otherwise the example's warm-up is given.
// The test docs.indicator_table_is_current compares the committed file with this output.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/registry/registry.hpp"
#include "core/registry/type_table.hpp"
#include "support/type_cases.hpp"

namespace prynox::test {
std::vector<TypeCase>& type_cases() {
    static std::vector<TypeCase> cases;
    return cases;
}
std::vector<CheckCase>& check_cases() {
    static std::vector<CheckCase> cases;
    return cases;
}
}  // namespace prynox::test

namespace {

using namespace prynox;
using Params = std::vector<double>;

std::string number(double v) {
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    return ec == std::errc() ? std::string(buf, end) : "?";
}

std::optional<std::uint64_t> warmup_of(std::string_view type, const Params& params) {
    auto built = build_indicator(type, params);
    if (!built) return std::nullopt;
    return (*built)->warmup_period();
}

bool integer_kind(char kind) { return kind == 'P' || kind == 'U'; }

// The values a parameter is moved to: small and large steps both ways, so that a probe crosses
// the other parameters (a larger-of rule then fails the fit).
std::vector<double> moves(char kind, double v) {
    std::vector<double> out;
    if (integer_kind(kind)) {
        for (double d : {1.0, 2.0, 3.0, 7.0, 50.0, 200.0}) out.push_back(v + d);
        for (double d : {1.0, 2.0, 5.0}) out.push_back(v - d);
    } else if (kind == 'I') {
        for (double d : {60.0, -60.0, 300.0}) out.push_back(v + d);
    } else {
        for (double f : {0.5, 0.9, 1.1, 2.0}) out.push_back(v * f);
        out.push_back(v + 0.25);
        out.push_back(v - 0.25);
    }
    return out;
}

struct Formula {
    std::int64_t constant = 0;
    std::vector<std::int64_t> coefficient;  // per parameter; 0 for F and I
};

// The affine warm-up formula that every probe fits, if any.
std::optional<Formula> fit_warmup(std::string_view type, std::string_view signature, const Params& base,
                                  std::uint64_t base_warmup, const std::vector<Params>& more_examples) {
    struct Probe {
        Params params;
        std::int64_t warmup;
    };
    std::vector<Probe> probes;
    Formula f;
    f.coefficient.assign(signature.size(), 0);
    for (std::size_t i = 0; i < signature.size(); ++i) {
        bool slope_known = !integer_kind(signature[i]);
        for (double v : moves(signature[i], base[i])) {
            Params p = base;
            p[i] = v;
            auto w = warmup_of(type, p);
            if (!w) continue;
            const auto dw = static_cast<std::int64_t>(*w) - static_cast<std::int64_t>(base_warmup);
            if (!slope_known) {
                const auto dp = static_cast<std::int64_t>(v) - static_cast<std::int64_t>(base[i]);
                if (dw % dp != 0) return std::nullopt;
                f.coefficient[i] = dw / dp;
                slope_known = true;
            }
            probes.push_back({std::move(p), static_cast<std::int64_t>(*w)});
        }
        // A parameter that cannot be moved leaves its share of the rule unknown.
        if (!slope_known) return std::nullopt;
    }
    // Every integer parameter moved at once, by different steps.
    for (std::int64_t scale : {1, 3, 11}) {
        Params p = base;
        for (std::size_t i = 0; i < signature.size(); ++i)
            if (integer_kind(signature[i])) p[i] += static_cast<double>(scale * static_cast<std::int64_t>(i + 1));
        if (auto w = warmup_of(type, p)) probes.push_back({std::move(p), static_cast<std::int64_t>(*w)});
    }
    for (const auto& p : more_examples)
        if (auto w = warmup_of(type, p)) probes.push_back({p, static_cast<std::int64_t>(*w)});

    f.constant = static_cast<std::int64_t>(base_warmup);
    // Sums over the integer parameters only: a real parameter may lie outside the i64 range.
    for (std::size_t i = 0; i < signature.size(); ++i)
        if (integer_kind(signature[i])) f.constant -= f.coefficient[i] * static_cast<std::int64_t>(base[i]);
    for (const auto& probe : probes) {
        std::int64_t predicted = f.constant;
        for (std::size_t i = 0; i < signature.size(); ++i)
            if (integer_kind(signature[i])) predicted += f.coefficient[i] * static_cast<std::int64_t>(probe.params[i]);
        if (predicted != probe.warmup) return std::nullopt;
    }
    return f;
}

std::string formula_text(const Formula& f) {
    std::string out;
    for (std::size_t i = 0; i < f.coefficient.size(); ++i) {
        const std::int64_t c = f.coefficient[i];
        if (c == 0) continue;
        if (!out.empty()) out += c < 0 ? " - " : " + ";
        else if (c < 0) out += "-";
        const std::int64_t m = c < 0 ? -c : c;
        if (m != 1) out += std::to_string(m) + "*";
        out += "#" + std::to_string(i);
    }
    if (out.empty()) return std::to_string(f.constant);
    if (f.constant > 0) out += " + " + std::to_string(f.constant);
    if (f.constant < 0) out += " - " + std::to_string(-f.constant);
    return out;
}

std::string kinds_text(std::string_view signature) {
    if (signature.empty()) return "none";
    std::string out;
    for (std::size_t i = 0; i < signature.size(); ++i) {
        if (i) out += ", ";
        out += signature[i];
    }
    return out;
}

std::string params_text(const Params& params) {
    if (params.empty()) return "[]";
    std::string out = "[";
    for (std::size_t i = 0; i < params.size(); ++i) out += (i ? ", " : "") + number(params[i]);
    return out + "]";
}

std::string table() {
    std::map<std::string, std::vector<Params>> examples;  // every harness row of a type, in order
    for (const auto& c : test::type_cases()) examples[c.type].push_back(c.params);

    std::ostringstream body;
    std::size_t built_count = 0;
    for (std::size_t index = 0; index < type_rows().size(); ++index) {
        const TypeRow& row = type_rows()[index];
        body << "| " << row.name << " | " << feed_name(row.feed) << " | " << kinds_text(row.signature) << " | ";
        if (type_builder(index) == nullptr) {
            body << "*not built yet* | | |\n";
            continue;
        }
        auto found = examples.find(std::string(row.name));
        if (found == examples.end()) {
            std::cerr << "indicator_table: " << row.name << " builds but has no harness row\n";
            std::exit(1);
        }
        const Params& example = found->second.front();
        auto built = build_indicator(row.name, example);
        if (!built) {
            std::cerr << "indicator_table: " << row.name << " " << params_text(example)
                      << " does not build: " << built.error().display() << "\n";
            std::exit(1);
        }
        ++built_count;
        const auto names = (*built)->output_names();
        if (names.empty()) body << "value";
        for (std::size_t k = 0; k < names.size(); ++k) body << (k ? ", " : "") << names[k];
        const std::uint64_t warmup = (*built)->warmup_period();
        const std::vector<Params> more(found->second.begin() + 1, found->second.end());
        auto formula = fit_warmup(row.name, row.signature, example, warmup, more);
        const std::string rule = formula ? "`" + formula_text(*formula) + "`" : std::to_string(warmup) + " (example)";
        body << " | " << rule << " | " << params_text(example) << " |\n";
    }

    std::ostringstream out;
    out << "# Indicator types\n\n"
        << "Generated by `tools/indicator_table.cpp` from the registry; do not edit by hand. After adding a\n"
        << "type or changing its outputs, regenerate it with\n\n"
        << "    cmake --build build/tests --target indicator_table_doc\n\n"
        << "(the test `docs.indicator_table_is_current` fails while it is stale).\n\n"
        << built_count << " of " << type_rows().size() << " types build. The others are listed with their feed and\n"
        << "parameters; until they land a run refuses them as \"unknown indicator type\".\n\n"
        << "- **Feed**: the input the type reads on each bar: `Kline` the candle (its close, the whole candle,\n"
        << "  or for the pair types the close with the reference series' close), `Trade` the trade prints,\n"
        << "  `Orderbook` the order book, `TradeQuote` the prints with the book and the candle, `Derivatives`\n"
        << "  the derivatives tick, `CrossSection` a market's cross-section, which a run never carries.\n"
        << "- **Parameters**: the kinds of the `params` list in index order; a type reads exactly that many.\n"
        << "  `P` a positive integer (a window or count), `F` a finite real, `I` a 32-bit signed integer (a\n"
        << "  minute offset), `U` a 32-bit unsigned integer. `none`: the type takes no parameters.\n"
        << "- **Outputs**: the named outputs a rule reads as `\"id.name\"`; the update's value (`\"id\"`) is the\n"
        << "  first of them. `value`: a single-output type, read as `\"id\"` only.\n"
        << "- **Warm-up**: what the type reports: the bar, counted from 1, of its first value when no bar is\n"
        << "  rejected (a few types may give it earlier or later: a calendar type waits for a day to end). A\n"
        << "  run's warm-up is the largest over its indicators unless the strategy sets one. `#k` is the\n"
        << "  parameter at index k (counted from 0, as the error messages count). Each formula, whole\n"
        << "  multiples of the integer parameters plus a constant, was checked by building the type with\n"
        << "  every parameter moved; `N (example)` is the example's warm-up where no such formula fits (a\n"
        << "  larger-of rule, a square root or half of a window, a real parameter).\n"
        << "- **Example**: a `params` list the type accepts.\n\n"
        << "| Type | Feed | Parameters | Outputs | Warm-up | Example |\n"
        << "|---|---|---|---|---|---|\n"
        << body.str() << "\n## Aliases\n\n"
        << "An alias builds its full type, with the same parameters, outputs and warm-up; errors name the\n"
        << "full type.\n\n"
        << "| Alias | Type |\n|---|---|\n";
    for (const auto& a : alias_rows()) {
        const bool built = type_builder(*find_type(a.type)) != nullptr;
        out << "| " << a.name << " | " << a.type << (built ? "" : " (*not built yet*)") << " |\n";
    }
    return out.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: indicator_table [FILE]\n";
        return 2;
    }
    const std::string text = table();
    if (argc == 1) {
        std::cout << text;
        return 0;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
