#pragma once
// Feeding a registry-built type bars of trade prints, a book snapshot (or none) and the close
// the quote types fall back on.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "support/owned_book.hpp"

namespace prynox::test {

struct PrintBar {
    PrintBar(std::vector<TradePrint> p = {}) : prints(std::move(p)) {}  // NOLINT: a bar of prints
    PrintBar(std::optional<OwnedBook> b, std::vector<TradePrint> p = {}, double c = 100.0)
        : book(std::move(b)), prints(std::move(p)), close(c) {}

    std::optional<OwnedBook> book;
    std::vector<TradePrint> prints;
    double close = 100.0;
};
using PrintBars = std::vector<PrintBar>;

inline TradePrint buy(double size, double price = 100.0) { return {price, size, Side::Buy, 0}; }
inline TradePrint sell(double size, double price = 100.0) { return {price, size, Side::Sell, 0}; }
inline OwnedBook top(double bid, double bid_size, double ask, double ask_size) {
    return {{{bid, bid_size}}, {{ask, ask_size}}};
}

// One print a bar.
inline PrintBars singles(const std::vector<TradePrint>& prints) {
    PrintBars out;
    for (const auto& p : prints) out.push_back(std::vector<TradePrint>{p});
    return out;
}

inline Series run_bars(const std::string& type, const std::vector<double>& params, const PrintBars& bars) {
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return Series(bars.size());
    }
    Series out;
    for (const PrintBar& b : bars) {
        Candle c{0, b.close + 1, b.close + 2, b.close - 1, b.close, 5};  // only the close may be read
        BarContext ctx;
        ctx.candle = &c;
        ctx.trades = b.prints;
        OrderBook view;
        if (b.book) {
            view = *b.book;
            ctx.book = &view;
        }
        out.push_back((*built)->update(ctx));
    }
    return out;
}

// A worked case over bars: the values of the last bars, bit for bit.
struct BarPin {
    std::string type;
    std::vector<double> params;
    PrintBars bars;
    Series last;
};

inline void expect_bar_pins(const std::vector<BarPin>& pins) {
    for (const BarPin& p : pins) {
        const Series got = run_bars(p.type, p.params, p.bars);
        ASSERT_GE(got.size(), p.last.size()) << p.type;
        expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(p.last.size()), got.end()), p.last, 0.0,
                      describe(p.type, p.params), 0.0);
    }
}

}  // namespace prynox::test
