#pragma once
// Pricing one order of a given quantity against one bar's order book under the run's book
// model and participation cap.
#include <cmath>
#include <cstdint>

#include "core/model/market.hpp"
#include "core/model/spec.hpp"

namespace prynox {

// Half away from zero, as std::round, without a library call on the fill path.
inline double round_half_away(double q) {
    if (!(std::fabs(q) < 4503599627370496.0)) return q;  // 2^52 and up: already whole
    const double t = static_cast<double>(static_cast<std::int64_t>(q));
    const double rest = q - t;  // exact below 2^52
    // The sign of q carries over to a zero result, as with std::round.
    return std::copysign(t + static_cast<double>(rest >= 0.5) - static_cast<double>(rest <= -0.5), q);
}

// x / 1e-8 rounded half away from zero, divided by 1e8; 0 for a non-finite x, and x itself
// when it is too large for the quotient to stay finite (it then has no digits below 1e-8).
inline double round_to_1e8(double x) {
    if (!std::isfinite(x)) return 0.0;
    const double q = x / 1e-8;
    if (!std::isfinite(q)) return x;
    return round_half_away(q) / 1e8;
}

struct FillResult {
    double price = 0.0;         // average fill price
    double filled = 0.0;        // quantity filled
    double unfilled = 0.0;      // quantity asked for but not filled
    double notional = 0.0;      // value of the filled quantity
    double slippage_bps = 0.0;  // signed cost against the mid, in basis points
};

// A side that holds a level priced at or below 0, a non-finite price or size, or a negative
// size is not usable: it counts as empty both for filling and for the mid.
bool book_side_usable(std::span<const Level> side);

// The mid of the book's best levels, or `reference` without a usable two-sided book.
double book_mid(const OrderBook* book, double reference);

// book may be null (an empty book). Every field of the result is rounded to 1e-8.
// A fill whose price does not come out finite and positive fills nothing.
FillResult fill_through_book(bool sell, const OrderBook* book, const BookModel& model, double qty,
                             double reference, double cap);

}  // namespace prynox
