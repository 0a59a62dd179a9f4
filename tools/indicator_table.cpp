// Writes the reference table of every indicator type, docs/indicators.md, from the registry and
// the notes of tools/type_notes/:
//
//   indicator_table [FILE]        (standard output without FILE)
//
// Per type: its feed, its parameters with their names and meanings, its outputs, its warm-up, an
// example and what it computes. The type is built with its note's example, which must build. The
// warm-up is given as a formula of the integer parameters where probing shows one: the type is
// rebuilt with each parameter moved in turn, and every probe that builds (and every harness row
// of the type) must fit one affine formula of the P and U parameters, with F and I parameters
// leaving it unchanged. Otherwise the example's warm-up is given.
// The test docs.indicator_table_is_current compares the committed file with this output, and the
// generator fails when a type has no note or its note does not match its parameters or outputs.
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
#include "tools/type_notes/type_note.hpp"

namespace prynox::notes {
std::vector<TypeNote>& all() {
    static std::vector<TypeNote> notes;
    return notes;
}
}  // namespace prynox::notes

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

std::string params_text(const Params& params) {
    if (params.empty()) return "[]";
    std::string out = "[";
    for (std::size_t i = 0; i < params.size(); ++i) out += (i ? ", " : "") + number(params[i]);
    return out + "]";
}

// "name: meaning" split at its first colon; none when it has no name or no meaning.
std::optional<std::pair<std::string_view, std::string_view>> named_line(std::string_view line) {
    const auto colon = line.find(": ");
    if (colon == std::string_view::npos || colon == 0 || colon + 2 >= line.size()) return std::nullopt;
    const std::string_view name = line.substr(0, colon);
    for (char ch : name)
        if (!(ch == '_' || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9'))) return std::nullopt;
    return std::pair{name, line.substr(colon + 2)};
}

// A note's text goes into one table cell: no line break and no column separator.
bool fits_a_cell(std::string_view text) { return text.find_first_of("|\n\r") == std::string_view::npos; }

[[noreturn]] void refuse(std::string_view type, const std::string& why) {
    std::cerr << "indicator_table: " << type << ": " << why << "\n";
    std::exit(1);
}

// The checked note of every type, by name: a type without one, or a note that does not match the
// type's parameters and outputs, stops the table.
std::map<std::string_view, const notes::TypeNote*> checked_notes() {
    std::map<std::string_view, const notes::TypeNote*> by_type;
    for (const auto& n : notes::all()) {
        if (!find_type(n.type)) refuse(n.type, "a note for a type the registry does not have");
        if (!by_type.emplace(n.type, &n).second) refuse(n.type, "two notes");
    }
    std::size_t missing = 0;
    for (const TypeRow& row : type_rows())
        if (!by_type.contains(row.name)) {
            std::cerr << "indicator_table: " << row.name << " has no note in tools/type_notes/\n";
            ++missing;
        }
    if (missing != 0) refuse("the registry", std::to_string(missing) + " of its types have no note");
    for (const auto& [type, n] : by_type) {
        const TypeRow& row = type_rows()[*find_type(type)];
        if (n->params.size() != row.signature.size())
            refuse(type, "names " + std::to_string(n->params.size()) + " parameters, the type reads " +
                             std::to_string(row.signature.size()));
        if (n->example.size() != row.signature.size()) refuse(type, "the example does not give every parameter");
        for (auto line : n->params)
            if (!named_line(line) || !fits_a_cell(line)) refuse(type, "a parameter is not \"name: meaning\"");
        for (auto line : n->outputs)
            if (!named_line(line) || !fits_a_cell(line)) refuse(type, "an output is not \"name: meaning\"");
        if (n->text.empty() || !fits_a_cell(n->text)) refuse(type, "the description is empty or not one cell");
    }
    return by_type;
}

std::string params_cell(std::string_view signature, const notes::TypeNote& note) {
    if (signature.empty()) return "none";
    std::string out;
    for (std::size_t i = 0; i < signature.size(); ++i) {
        const auto [name, meaning] = *named_line(note.params[i]);
        out += (i ? "; `" : "`") + std::string(name) + "` (" + signature[i] + "): " + std::string(meaning);
    }
    return out;
}

std::string outputs_cell(std::span<const char* const> names, const notes::TypeNote& note) {
    if (names.size() != note.outputs.size())
        refuse(note.type, "describes " + std::to_string(note.outputs.size()) + " outputs, the type has " +
                              std::to_string(names.size()));
    if (names.empty()) return "value";
    std::string out;
    for (std::size_t k = 0; k < names.size(); ++k) {
        const auto [name, meaning] = *named_line(note.outputs[k]);
        if (name != names[k]) refuse(note.type, "output " + std::to_string(k) + " is " + names[k] + ", not " + std::string(name));
        out += (k ? "; `" : "`") + std::string(name) + "`: " + std::string(meaning);
    }
    return out;
}

std::string table() {
    std::map<std::string, std::vector<Params>> examples;  // every harness row of a type, in order
    for (const auto& c : test::type_cases()) examples[c.type].push_back(c.params);
    const auto by_type = checked_notes();

    std::ostringstream body;
    for (const TypeRow& row : type_rows()) {
        const notes::TypeNote& note = *by_type.at(row.name);
        auto found = examples.find(std::string(row.name));
        if (found == examples.end()) refuse(row.name, "builds but has no harness row");
        const Params example(note.example.begin(), note.example.end());
        auto built = build_indicator(row.name, example);
        if (!built) refuse(row.name, params_text(example) + " does not build: " + built.error().display());
        const std::uint64_t warmup = (*built)->warmup_period();
        auto formula = fit_warmup(row.name, row.signature, example, warmup, found->second);
        const std::string rule = formula ? "`" + formula_text(*formula) + "`" : std::to_string(warmup) + " (example)";
        body << "| " << row.name << " | " << feed_name(row.feed) << " | " << params_cell(row.signature, note) << " | "
             << outputs_cell((*built)->output_names(), note) << " | " << rule << " | " << params_text(example) << " | "
             << note.text << " |\n";
    }

    std::ostringstream out;
    out << "# Indicator types\n\n"
        << "Generated by `tools/indicator_table.cpp` from the registry and the notes in `tools/type_notes/`;\n"
        << "do not edit by hand. After adding a type or changing its parameters, outputs or behaviour,\n"
        << "update its note and regenerate this page with\n\n"
        << "    cmake --build build/tests --target indicator_table_doc\n\n"
        << "(the test `docs.indicator_table_is_current` fails while it is stale or a type has no note).\n\n"
        << "All " << type_rows().size() << " types build. To print a type's values bar by bar over your own\n"
        << "data, use `indicator_feed_tool` (docs/README.md).\n\n"
        << "- **Feed**: the input the type reads on each bar: `Kline` the candle (its close, the whole candle,\n"
        << "  or for the pair types the close with the reference series' close), `Trade` the trade prints,\n"
        << "  `Orderbook` the order book, `TradeQuote` the prints with the book and the candle, `Derivatives`\n"
        << "  the derivatives tick, `CrossSection` a market's cross-section, which a run never carries: a\n"
        << "  run accepts these types, but they never give a value, so rules over them never fire.\n"
        << "- **Parameters**: the `params` list in index order, each with its name, its kind and its\n"
        << "  meaning. `P` a positive integer (a window or count), `F` a finite real, `I` a 32-bit signed\n"
        << "  integer (a minute offset), `U` a 32-bit unsigned integer. `none`: the type takes no\n"
        << "  parameters. Numbers beyond those a type reads are ignored (`[\"Rsi\", [14, 3]]` is `Rsi` 14).\n"
        << "- **Outputs**: the named outputs a rule reads as `\"id.name\"`; the update's value (`\"id\"`) is the\n"
        << "  first of them. `value`: a single-output type, read as `\"id\"` only.\n"
        << "- **Warm-up**: what the type reports: for a type that counts bars, the earliest bar, counted\n"
        << "  from 1, on which its first value can come. Rejected bars make it later, and so does what some\n"
        << "  types wait for beyond a count of bars: the swing-pattern, harmonic and Fibonacci types need\n"
        << "  their swing pivots first, which may take many bars (`Gartley` reports 6 and may first give a\n"
        << "  value on bar 44); the calendar and seasonal types wait for days to end. The types whose\n"
        << "  window counts trade prints, not bars, give their first value once enough prints have come,\n"
        << "  earlier or later than this figure (`Pin` 20 gives it on bar 4 at 6 prints a bar). Each row's\n"
        << "  description says when its type is later or earlier. A run's warm-up is the largest over its\n"
        << "  indicators unless the strategy sets one, and rules start on the bar after it. `#k` is the\n"
        << "  parameter at index k (counted from 0, as the error messages count). Each formula, whole\n"
        << "  multiples of the integer parameters plus a constant, was checked by building the type with\n"
        << "  every parameter moved; `N (example)` is the example's warm-up where no such formula fits (a\n"
        << "  larger-of rule, a square root or half of a window, a real parameter).\n"
        << "- **Example**: a `params` list a user would reach for first (the conventional setting where\n"
        << "  there is one).\n"
        << "- **What it computes**: the inputs, the formula's choices needed to reproduce it, and the unit\n"
        << "  and range of the value.\n\n"
        << "| Type | Feed | Parameters | Outputs | Warm-up | Example | What it computes |\n"
        << "|---|---|---|---|---|---|---|\n"
        << body.str() << "\n## Swing pivots\n\n"
        << "The chart, harmonic and Fibonacci types (all but `AndrewsPitchfork`) read the same swing pivots of\n"
        << "the valid candles' highs and lows, with a 5 % reversal. The first swing runs up from the first\n"
        << "high. An up swing's high is confirmed as a pivot on a bar that sets no new high and whose low is\n"
        << "at most 0.95 × that high; the down swing then starts at that bar's low, and its low is confirmed\n"
        << "on a bar that sets no new low and whose high is at least 1.05 × that low. How soon a type has the pivots\n"
        << "it reads depends on the prices, so its first value can come long after its warm-up; after it,\n"
        << "a pattern gives 0 on every bar but one that confirms a new pivot, and the signal then speaks of\n"
        << "a pivot that lies some bars earlier.\n"
        << "\n## Aliases\n\n"
        << "An alias builds its full type, with the same parameters, outputs, warm-up and values; errors\n"
        << "name the full type.\n\n"
        << "| Alias | Type |\n|---|---|\n";
    for (const auto& a : alias_rows()) out << "| " << a.name << " | " << a.type << " |\n";
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
