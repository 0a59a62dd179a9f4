#include "indicators/order_book/depth_slope.hpp"

#include <cmath>
#include <span>

#include "indicators/cores/midpoint.hpp"

namespace prynox {

namespace {

// The slope of one side: the distance of a level is price - mid on the ask side, mid - price on
// the bid side.
double side_slope(std::span<const Level> levels, double mid, bool asks) {
    double sx = 0.0, sy = 0.0, sxy = 0.0, sxx = 0.0, cumulative = 0.0;
    for (const Level& l : levels) {
        const double d = asks ? l.price - mid : mid - l.price;
        cumulative += l.size;
        sx += d;
        sy += cumulative;
        sxy += d * cumulative;
        sxx += d * d;
    }
    const double k = static_cast<double>(levels.size());
    const double den = sxx * k - sx * sx;
    return den == 0.0 ? 0.0 : (sxy * k - sx * sy) / den;
}

}  // namespace

OptionalValue DepthSlope::update_book(const OrderBook& book) const {
    if (book.bids.size() < 2 || book.asks.size() < 2) return 0.0;
    const double mid = midpoint(book.bids.front().price, book.asks.front().price);
    const double bid = side_slope(book.bids, mid, false), ask = side_slope(book.asks, mid, true);
    const double v = midpoint(bid, ask);
    if (!std::isfinite(v)) [[unlikely]]
        return {};
    return v;
}

}  // namespace prynox
