// Feeds one indicator with a candle series from a file and prints, per bar, the update's value
// and its named outputs as JSON lines:
//
//   indicator_feed_tool TYPE [PARAM ...] FILE
//
// TYPE and PARAMs are what a strategy declares ("Sma" 14, "Alma" 9 0.85 6). FILE is read by its
// extension:
//   .json  the "data" member of a run: {"candles":[...], "reference":[...], "derivs":[...],
//          "trades":[[...], ...], "books":[...]}, or a bare array of candles. Ticks, prints and
//          books that fail the engine's checks are left out of their bar, as in a run.
//   .csv   one candle per line: time,open,high,low,close[,volume], with or without a header
//          naming those columns; a file with a single column is taken as closes.
// Output, one line per bar:
//   {"bar":0,"time":1700000000000,"value":null,"outputs":{}}
// Floats are written in the report layout; NaN and the infinities as the strings "NaN",
// "Infinity" and "-Infinity". The first line
// is {"type":...,"warmup":N}. Errors go to stderr with exit status 1.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/engine/input_checks.hpp"
#include "core/json/lexer.hpp"
#include "core/json/market_reader.hpp"
#include "core/registry/registry.hpp"
#include "core/text/float_text.hpp"

namespace {

using namespace prynox;

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "indicator_feed_tool: " << message << "\n";
    std::exit(1);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) fail("cannot open " + path);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

bool parse_double(std::string_view s, double& out) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s == "nan" || s == "NaN") {
        out = std::numeric_limits<double>::quiet_NaN();
        return true;
    }
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

RunData read_json(const std::string& text) {
    // The whole text is checked first, so that the data reader may skip what it does not read.
    Lexer lx(text, true);
    const bool bare_array = lx.peek_ws() == '[';
    if (auto s = lx.skip_value(true); !s) fail("JSON: " + s.error().display());
    if (auto s = lx.end(); !s) fail("JSON: " + s.error().display());
    std::string wrapped = bare_array ? "{\"candles\":" + text + "}" : text;
    auto data = run_data_from_value(wrapped, 0);
    if (!data) fail("JSON: " + data.error().display());
    auto check = [&](std::size_t n, const char* what) {
        if (n != data->candles.size()) fail(std::string(what) + " must hold one entry per candle");
    };
    if (data->reference) check(data->reference->size(), "reference");
    if (data->derivs) check(data->derivs->size(), "derivs");
    if (data->trades) check(data->trades->size(), "trades");
    if (data->books) check(data->books->size(), "books");
    return std::move(*data);
}

std::vector<std::string_view> split(std::string_view line) {
    std::vector<std::string_view> cells;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ',' || line[i] == ';' || line[i] == '\t') {
            cells.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    return cells;
}

RunData read_csv(const std::string& text) {
    RunData data;
    std::istringstream in(text);
    std::string line;
    // Column positions of time, open, high, low, close, volume (-1: absent).
    int col[6] = {0, 1, 2, 3, 4, 5};
    bool header_seen = false;
    std::size_t lineno = 0;
    while (std::getline(in, line)) {
        ++lineno;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        auto cells = split(line);
        double first;
        if (!header_seen && !parse_double(cells[0], first)) {
            static const char* names[6] = {"time", "open", "high", "low", "close", "volume"};
            for (int& c : col) c = -1;
            for (std::size_t i = 0; i < cells.size(); ++i) {
                std::string name(cells[i]);
                name.erase(std::remove_if(name.begin(), name.end(), [](unsigned char ch) { return std::isspace(ch); }),
                           name.end());
                std::transform(name.begin(), name.end(), name.begin(), [](unsigned char ch) { return std::tolower(ch); });
                for (int k = 0; k < 6; ++k)
                    if (name == names[k]) col[k] = static_cast<int>(i);
            }
            if (col[4] < 0) fail("CSV header must name a close column");
            header_seen = true;
            continue;
        }
        header_seen = true;
        Candle c;
        auto cell = [&](int k, double fallback) {
            if (col[k] < 0 || static_cast<std::size_t>(col[k]) >= cells.size()) return fallback;
            double v;
            if (!parse_double(cells[static_cast<std::size_t>(col[k])], v))
                fail("CSV line " + std::to_string(lineno) + ": not a number: " + std::string(cells[static_cast<std::size_t>(col[k])]));
            return v;
        };
        if (cells.size() == 1 && col[4] == 4) {
            // A single column of closes.
            double close;
            if (!parse_double(cells[0], close)) fail("CSV line " + std::to_string(lineno) + ": not a number");
            c = Candle{static_cast<std::int64_t>(data.candles.size()), close, close, close, close, 0.0};
        } else {
            double close = cell(4, 0.0);
            c.time = static_cast<std::int64_t>(cell(0, static_cast<double>(data.candles.size())));
            c.open = cell(1, close);
            c.high = cell(2, close);
            c.low = cell(3, close);
            c.close = close;
            c.volume = cell(5, 0.0);
        }
        data.candles.push_back(c);
    }
    return data;
}

// Values the report would write as null are told apart here: a definition may give them.
std::string json_float(double v) {
    if (std::isnan(v)) return "\"NaN\"";
    if (std::isinf(v)) return v > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    std::string s;
    append_float_json(s, v);
    return s;
}

std::string json_string(std::string_view s) {
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '"' || ch == '\\') out += '\\';
        out += ch;
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: indicator_feed_tool TYPE [PARAM ...] FILE.json|FILE.csv\n";
        return 2;
    }
    std::string type = argv[1];
    std::string path = argv[argc - 1];
    std::vector<double> params;
    for (int i = 2; i < argc - 1; ++i) {
        double v;
        if (!parse_double(argv[i], v)) fail(std::string("not a number: ") + argv[i]);
        params.push_back(v);
    }

    auto built = build_indicator(type, params);
    if (!built) fail(built.error().display());
    Indicator& ind = **built;

    std::string text = read_file(path);
    bool csv = path.size() >= 4 && path.compare(path.size() - 4, 4, ".csv") == 0;
    RunData data = csv ? read_csv(text) : read_json(text);

    std::string out = "{\"type\":" + json_string(type) + ",\"warmup\":" + std::to_string(ind.warmup_period()) + "}\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::vector<TradePrint> prints;
    for (std::size_t i = 0; i < data.candles.size(); ++i) {
        BarContext ctx;
        ctx.candle = &data.candles[i];
        if (data.reference) ctx.reference = (*data.reference)[i].close;
        if (data.derivs && tick_passes((*data.derivs)[i])) ctx.deriv = &(*data.derivs)[i];
        if (data.trades) {
            prints.clear();
            for (const auto& p : (*data.trades)[i])
                if (print_passes(p)) prints.push_back(p);
            ctx.trades = prints;
        }
        OrderBook book;
        if (data.books) {
            book = (*data.books)[i];
            if (validate_order_book(book)) ctx.book = &book;
        }

        auto value = ind.update(ctx);
        out = "{\"bar\":" + std::to_string(i) + ",\"time\":" + std::to_string(data.candles[i].time) + ",\"value\":";
        out += value ? json_float(*value) : "null";
        out += ",\"outputs\":{";
        if (value) {
            bool first = true;
            for (const auto& o : ind.outputs()) {
                if (!first) out += ',';
                first = false;
                out += json_string(o.name) + ":" + json_float(o.value);
            }
        }
        out += "}}\n";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    return 0;
}
