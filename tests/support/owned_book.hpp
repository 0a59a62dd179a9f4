#pragma once
// Books written out in tests: each owns its levels and lends the `OrderBook` view of them, and
// a list of them becomes a run's `OrderBooks`.
#include <vector>

#include "core/model/market.hpp"

namespace prynox::test {

struct OwnedBook {
    std::vector<Level> bids;
    std::vector<Level> asks;

    operator OrderBook() const { return {bids, asks}; }  // NOLINT: a view of the levels held here
};

inline OrderBooks books_of(const std::vector<OwnedBook>& books) {
    OrderBooks out;
    for (const OwnedBook& b : books) out.push_back(b.bids, b.asks);
    return out;
}

}  // namespace prynox::test
