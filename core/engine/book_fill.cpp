#include "core/engine/book_fill.hpp"

#include <cmath>

#include "core/engine/float_order.hpp"

namespace prynox {
namespace {

constexpr double kHalfMax = 8.988465674311579e307;

// min(qty, cap x depth); a quantity that is not a number stays one, so it fills nothing.
double order_budget(double qty, double cap_depth) { return cap_depth < qty ? cap_depth : qty; }

double mid_of(const OrderBook* book, bool bids_usable, bool asks_usable, double reference) {
    if (book == nullptr || book->bids.empty() || book->asks.empty() || !bids_usable || !asks_usable) {
        return reference;
    }
    const double b = book->bids.front().price;
    const double a = book->asks.front().price;
    const double mid = (std::fabs(b) <= kHalfMax && std::fabs(a) <= kHalfMax) ? (b + a) / 2.0 : b / 2.0 + a / 2.0;
    return mid > 0.0 ? mid : reference;
}

}  // namespace

bool book_side_usable(std::span<const Level> side) {
    for (const Level& l : side) {
        if (!(std::isfinite(l.price) && l.price > 0.0)) return false;
        if (!(std::isfinite(l.size) && l.size >= 0.0)) return false;
    }
    return true;
}

double book_mid(const OrderBook* book, double reference) {
    if (book == nullptr) return reference;
    return mid_of(book, book_side_usable(book->bids), book_side_usable(book->asks), reference);
}

FillResult fill_through_book(bool sell, const OrderBook* book, const BookModel& model, double qty,
                             double reference, double cap) {
    std::span<const Level> side;  // empty: nothing to fill against
    double mid = reference;
    if (book != nullptr) {
        const bool bids_usable = book_side_usable(book->bids);
        const bool asks_usable = book_side_usable(book->asks);
        const std::span<const Level> s = sell ? book->bids : book->asks;
        if (sell ? bids_usable : asks_usable) side = s;
        mid = mid_of(book, bids_usable, asks_usable, reference);
    }

    double price = reference;
    double filled = 0.0;
    double notional = 0.0;
    if (model.kind == BookModel::Kind::OrderbookWalk) {
        std::size_t n = side.size();
        if (model.levels && *model.levels < n) n = static_cast<std::size_t>(*model.levels);
        double depth = 0.0;
        for (std::size_t k = 0; k < n; ++k) depth += side[k].size;
        const double budget = order_budget(qty, cap * depth);
        if (n > 0 && budget > 0.0) {
            double remaining = budget;
            double cost = 0.0;
            for (std::size_t k = 0; k < n; ++k) {
                const Level& l = side[k];
                const double take = min_num(remaining, l.size);
                cost += take * l.price;
                filled += take;
                remaining -= take;
                if (remaining <= 0.0) break;
            }
            price = filled > 0.0 ? cost / filled : reference;
            notional = cost;
        }
    } else if (!side.empty()) {
        double depth = 0.0;
        for (const Level& l : side) depth += l.size;
        const double budget = order_budget(qty, cap * depth);
        if (depth > 0.0 && budget > 0.0) {
            filled = budget;
            double x = budget / depth;
            if (model.kind == BookModel::Kind::SquareRoot) x = std::sqrt(x);
            price = sell ? reference * (1.0 - model.coef * x) : reference * (1.0 + model.coef * x);
            notional = price * filled;
        }
    }
    // A price that is not finite and positive (an overflowing walk, an impact pushing a sell
    // below zero) would open or close a position at a meaningless price: nothing fills.
    if (filled > 0.0 && !(std::isfinite(price) && price > 0.0 && round_to_1e8(price) > 0.0)) {
        price = reference;
        filled = 0.0;
        notional = 0.0;
    }

    FillResult r;
    r.unfilled = qty - filled;
    if (mid > 0.0 && filled > 0.0) {
        r.slippage_bps = sell ? (-10000.0 * (price - mid)) / mid : (10000.0 * (price - mid)) / mid;
    }
    r.price = round_to_1e8(price);
    r.filled = round_to_1e8(filled);
    r.unfilled = round_to_1e8(r.unfilled);
    r.notional = round_to_1e8(notional);
    r.slippage_bps = round_to_1e8(r.slippage_bps);
    return r;
}

}  // namespace prynox
