// What the order book and trade-and-quote types compute.
#include "tools/type_notes/type_note.hpp"

PRYNOX_TYPE_NOTES(order_book) {
    return {
        {"DepthSlope", {}, {}, {},
         "How fast size builds away from the mid, in size per price unit: on each side of the bar's book the "
         "least-squares slope of the cumulative size (from the best level out) on the distance from the mid (best "
         "bid + best ask) / 2, the value being the mean of the bid and ask slopes; 0 when either side has fewer than "
         "two levels. A bar without a valid book gives no value."},
        {"EffectiveSpread", {}, {}, {},
         "The effective spread of the bar's last trade print in basis points: 2 × s × (price − q) / q × 10000, s +1 "
         "for a buy print and −1 for a sell, q the mid of the best bid and ask when the bar has a valid book, else "
         "the bar's close. No value on a bar without prints."},
        {"KylesLambda", {50}, {"window: the number of trade prints in the regression, at least 2"}, {},
         "Kyle's lambda, in price per unit of size: the least-squares slope of the quote-mid change on the signed "
         "size (+size for a buy print, −size for a sell) over the last `window` prints, each print paired with the "
         "change of the quote mid (as `EffectiveSpread`) since the print before, so later prints of one bar see a "
         "change of 0. The very first print only sets the mid, so values start once window + 1 prints have been seen "
         "(earlier or later than the warm-up, as prints per bar vary); a window of equal signed sizes gives 0, and "
         "the bar's value is read after its last print (none on a bar without prints)."},
        {"Microprice", {}, {}, {},
         "The size-weighted price of the best levels, (best bid × best ask size + best ask × best bid size) / (bid "
         "size + ask size), each price weighted by the size on the other side; the mid when the top holds no size. A "
         "price level; no value on a bar without a valid book."},
        {"OrderBookImbalanceFull", {}, {}, {},
         "(B − A) / (B + A), B and A the total size over every level of the bids and of the asks, −1..1 (positive "
         "when bids dominate); 0 when the book holds no size, no value on a bar without a valid book."},
        {"OrderBookImbalanceTop1", {}, {}, {},
         "(b − a) / (b + a) of the sizes at the best bid and best ask, −1..1 (positive when bids dominate); 0 when "
         "the top holds no size, no value on a bar without a valid book."},
        {"OrderBookImbalanceTopN", {5}, {"levels: how many best levels of each side are summed (all of a shorter side)"},
         {},
         "(B − A) / (B + A), B and A the total size of the first `levels` levels of the bids and of the asks, −1..1 "
         "(positive when bids dominate); 0 when those levels hold no size, no value on a bar without a valid book."},
        {"OrderFlowImbalance", {10}, {"period: the number of books summed (n)"}, {},
         "Order-flow imbalance in size units: the sum over the last n books of e = (bid size if the best bid ≥ the "
         "previous best bid) − (previous bid size if the best bid ≤ the previous one) − (ask size if the best ask ≤ "
         "the previous best ask) + (previous ask size if the best ask ≥ the previous one). The first book only "
         "primes, and a bar without a valid book gives no value, the next book being compared with the last one "
         "taken."},
        {"QuotedSpread", {}, {}, {},
         "The quoted spread in basis points: (best ask − best bid) / ((best bid + best ask) / 2) × 10000; no value on "
         "a bar without a valid book."},
        {"RealizedSpread", {10}, {"period: how many prints later a print's spread is measured"}, {},
         "The realized spread in basis points of the print `period` prints back, measured against this bar's quote "
         "mid q: 2 × s0 × (p0 − q) / q0 × 10000, s0, p0 and q0 the sign (+1 buy, −1 sell), price and quote mid of "
         "that print, quote mids as in `EffectiveSpread`. Every print is queued; the bar's value is the one measured "
         "for its last print, so values start once period + 1 prints have been seen (earlier or later than the "
         "warm-up, as prints per bar vary); none on a bar without prints."},
    };
}
