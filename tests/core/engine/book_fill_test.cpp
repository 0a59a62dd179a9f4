#include "core/engine/book_fill.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "engine_test_support.hpp"

namespace prynox {
namespace {

using namespace prynox::test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// x / 1e-8 rounded half away from zero, over 1e8: what std::round gives for every finite quotient.
TEST(EngineRounding, RoundTo1e8) {
    const std::pair<double, double> cases[] = {
        {1.234567891, 1.23456789},
        {7.5e-9, 1e-8},
        {2.5e-9, 0.0},
        {-1.234567895, -1.2345679},
        {100.0 * (1.0 + 0.1 * std::sqrt(0.2)), 104.47213595},
        {602.0 / 6.0, 100.33333333},
        {0.5e-8, 1e-8},
        {-2.5e-8, -3e-8},
        {1.5e-8, 1e-8},  // the quotient is 1.4999999999999998
        {0.49999999999999994e-8, 0.0},
        {-303730.152996865, -303730.15299686},  // x x 1e8 would round the other way
        {4503599627370495.5e-8, 45035996.27370496},
        {-4503599627370497.0e-8, -45035996.27370497},
        {kNaN, 0.0},
        {kInf, 0.0},
        {-kInf, 0.0},
        // Too large for the quotient to stay finite: the value has nothing below 1e-8 anyway.
        {1e301, 1e301},
        {-1.7976931348623157e308, -1.7976931348623157e308},
    };
    for (auto [x, want] : cases) EXPECT_EQ(round_to_1e8(x), want) << x;
    EXPECT_FALSE(std::signbit(round_to_1e8(1e-300)));
    EXPECT_TRUE(std::signbit(round_to_1e8(-1e-300)));
    EXPECT_TRUE(std::signbit(round_to_1e8(-0.0)));
}

const OwnedBook kLadder{{{99, 4}, {98, 4}, {97, 4}}, {{100, 4}, {101, 4}, {102, 4}}};  // mid 99.5
const OwnedBook kTight{{{99, 10}}, {{101, 10}}};                                       // mid 100
const OwnedBook kWide{{{90, 10}}, {{110, 10}}};
const OwnedBook kDeep{{{99, 25}, {98, 25}}, {{101, 25}, {102, 25}}};
const OwnedBook kDepth12{{{99, 12}}, {{101, 6}, {102, 6}}};
const OwnedBook kZero{{{99, 0}}, {{101, 0}}};
const OwnedBook kAsksOnly{{}, {{101, 5}}};
const OwnedBook kNegativeZero{{{99, 5}}, {{101, -0.0}, {102, 5}}};  // -0 is a size of zero
const OwnedBook kRich{{{1, 1}}, {{1e308, 1e10}}};

TEST(EngineBookFill, Fills) {
    struct Case {
        bool sell;
        const OwnedBook* book;
        BookModel model;
        double qty, reference, cap;
        FillResult want;  // price, filled, unfilled, notional, slippage_bps
    };
    const BookModel lin_level1{BookModel::Kind::LinearImpact, 1, 0.1};
    const Case cases[] = {
        {false, &kLadder, walk(), 10, 100, 1.0, {100.8, 10, 0, 1008, 130.65326633}},
        {false, &kLadder, walk(), 10, 100, 0.5, {100.33333333, 6, 4, 602, 83.7520938}},  // budget 0.5 x 12
        {true, &kLadder, walk(), 5, 100, 1.0, {98.8, 5, 0, 494, 70.35175879}},
        {false, &kLadder, walk(1), 10, 100, 1.0, {100, 4, 6, 400, 50.25125628}},
        {false, &kLadder, walk(0), 10, 100, 1.0, {100, 0, 10, 0, 0}},
        {false, &kLadder, walk(99), 100, 100, 1.0, {101, 12, 88, 1212, 150.75376884}},
        // 100.8 and 99.2 are both 80 bps from the mid (79.999999999999716 before rounding).
        {false, &kTight, linear_impact(0.016), 5, 100, 1.0, {100.8, 5, 0, 504, 80}},
        {true, &kTight, linear_impact(0.016), 5, 100, 1.0, {99.2, 5, 0, 496, 80}},
        {false, &kWide, linear_impact(0.016), 5, 95, 1.0, {95.76, 5, 0, 478.8, -424}},  // better than the mid
        {false, &kAsksOnly, walk(), 1, 100, 1.0, {101, 1, 0, 101, 100}},                 // mid = reference
        {false, &kNegativeZero, walk(), 2, 100, 1.0, {102, 2, 0, 204, 200}},
        // x = 10 / 50: 100 x (1 +- 0.1 x), and 100 x (1 + 0.1 x sqrt(x)); levels play no part.
        {false, &kDeep, linear_impact(0.1), 10, 100, 1.0, {102, 10, 0, 1020, 200}},
        {true, &kDeep, linear_impact(0.1), 10, 100, 1.0, {98, 10, 0, 980, 200}},
        {false, &kDeep, square_root(0.1), 10, 100, 1.0, {104.47213595, 10, 0, 1044.72135955, 447.2135955}},
        {false, &kDeep, lin_level1, 10, 100, 1.0, {102, 10, 0, 1020, 200}},
        {false, &kDepth12, linear_impact(0.1), 10, 100, 0.5, {105, 6, 4, 630, 500}},
        // An empty book or a side of zero depth fills nothing under every model.
        {false, nullptr, linear_impact(0.1), 3, 100, 1.0, {100, 0, 3, 0, 0}},
        {false, nullptr, square_root(0.1), 3, 100, 1.0, {100, 0, 3, 0, 0}},
        {false, nullptr, walk(), 3, 100, 1.0, {100, 0, 3, 0, 0}},
        {false, &kZero, linear_impact(0.1), 3, 100, 1.0, {100, 0, 3, 0, 0}},
        {false, &kZero, square_root(0.1), 3, 100, 1.0, {100, 0, 3, 0, 0}},
        {false, &kZero, walk(), 3, 100, 1.0, {100, 0, 3, 0, 0}},
        // A price that is not finite and positive fills nothing: a walk whose cost overflows, a
        // sell pushed to zero or below, a buy whose impact overflows; nor does a NaN quantity.
        {false, &kRich, walk(), 1e10, 100, 1.0, {100, 0, 1e10, 0, 0}},
        {true, &kTight, linear_impact(2.0), 5, 100, 1.0, {100, 0, 5, 0, 0}},
        {true, &kTight, linear_impact(3.0), 5, 100, 1.0, {100, 0, 5, 0, 0}},
        {true, &kTight, linear_impact(1.0), 5, 100, 1.0, {50, 5, 0, 250, 5000}},
        {false, &kTight, linear_impact(1e308), 5, 100, 1.0, {100, 0, 5, 0, 0}},
        {false, &kTight, walk(), kNaN, 100, 1.0, {100, 0, 0, 0, 0}},
    };
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        const auto& c = cases[k];
        const OrderBook view = c.book != nullptr ? OrderBook(*c.book) : OrderBook{};
        const FillResult f =
            fill_through_book(c.sell, c.book != nullptr ? &view : nullptr, c.model, c.qty, c.reference, c.cap);
        const FillResult& w = c.want;
        EXPECT_EQ(std::make_tuple(f.price, f.filled, f.unfilled, f.notional, f.slippage_bps),
                  std::make_tuple(w.price, w.filled, w.unfilled, w.notional, w.slippage_bps))
            << k;
    }
}

// A side with a level priced at or below zero, a non-finite price or size, or a negative size is
// not a side to trade against: it fills nothing and the mid falls back to the reference, while
// the other side still trades.
TEST(EngineBookFill, BadLevelsEmptyTheirSide) {
    for (const Level bad : {Level{0.0, 5}, {-1.0, 5}, {kNaN, 5}, {kInf, 5}, {100, -1}, {100, kNaN}, {100, kInf}}) {
        const OwnedBook levels{{{99, 5}}, {{101, 5}, bad}};
        const OrderBook b = levels;
        EXPECT_EQ(book_mid(&b, 100.0), 100.0);
        EXPECT_EQ(fill_through_book(false, &b, walk(1), 2, 100, 1.0).filled, 0.0);
        const FillResult sell = fill_through_book(true, &b, walk(), 2, 100, 1.0);
        EXPECT_EQ(std::make_tuple(sell.filled, sell.price, sell.slippage_bps), std::make_tuple(2.0, 99.0, 100.0));
    }
}

TEST(EngineBookFill, Mid) {
    const OwnedBook huge_levels{{{1.7e308, 1}}, {{1.75e308, 1}}};
    const OrderBook huge = huge_levels;
    EXPECT_EQ(book_mid(&huge, 1.0), 1.725e308);  // halves first: the sum would overflow
    const OwnedBook tiny_levels{{{1e-320, 5}}, {{2e-320, 5}}};
    const OrderBook tiny = tiny_levels;
    EXPECT_EQ(book_mid(&tiny, 3.0), 1.5e-320);  // subnormal but positive
}

}  // namespace
}  // namespace prynox
