// Cost of the order-book and trade-and-quote types through the boxed object the registry builds,
// over 1,000,000 bars, each with a book of 1 to 10 levels a side (drawn from a pool) and, for the
// trade-and-quote types, four prints. "ns/update" is the time per bar; "ns/print" divides it by
// the prints, for the types whose windows count prints.
#include <span>

#include "bench_support.hpp"

namespace prynox::bench {
namespace {

constexpr std::size_t kPrintsPerBar = 4;
constexpr std::size_t kBooks = 4096;

std::uint64_t next(std::uint64_t& s) { return s = s * 6364136223846793005ull + 1442695040888963407ull; }
double unit(std::uint64_t& s) { return static_cast<double>(next(s) >> 11) * 0x1.0p-53; }

// The books as a run holds them: one pool of levels, read through per-bar views.
const std::vector<OrderBook>& book_pool() {
    static const OrderBooks levels = [] {
        OrderBooks out;
        std::vector<Level> bids, asks;
        std::uint64_t s = 99;
        double mid = 100.0;
        for (std::size_t b = 0; b < kBooks; ++b) {
            mid = mid + (unit(s) - 0.5) * 0.2;
            if (mid < 2.0) mid = 4.0 - mid;
            const double half = 0.01 + unit(s) * 0.05;
            bids.clear();
            asks.clear();
            for (std::size_t k = 0, n = 1 + next(s) % 10; k < n; ++k)
                bids.push_back({mid - half - 0.01 * static_cast<double>(k), 1.0 + unit(s) * 50.0});
            for (std::size_t k = 0, n = 1 + next(s) % 10; k < n; ++k)
                asks.push_back({mid + half + 0.01 * static_cast<double>(k), 1.0 + unit(s) * 50.0});
            out.push_back(bids, asks);
        }
        return out;
    }();
    static const std::vector<OrderBook> views = [] {
        std::vector<OrderBook> out;
        for (std::size_t b = 0; b < levels.size(); ++b) out.push_back(levels[b]);
        return out;
    }();
    return views;
}

const std::vector<TradePrint>& print_pool() {
    static const std::vector<TradePrint> pool = [] {
        std::vector<TradePrint> out(kBooks * kPrintsPerBar);
        std::uint64_t s = 5;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double mid = book_pool()[i / kPrintsPerBar].bids.front().price + 0.03;
            out[i] = TradePrint{mid + (unit(s) - 0.5) * 0.1, 0.5 + unit(s) * 20.0,
                                next(s) % 2 ? Side::Sell : Side::Buy, static_cast<std::int64_t>(i)};
        }
        return out;
    }();
    return pool;
}

// Successive bars read different books; the trade-and-quote types also read four prints.
struct BookFeed {
    static constexpr std::size_t kPrintsPerBar = bench::kPrintsPerBar;
    void operator()(BarContext& ctx, std::size_t i) const {
        const std::size_t k = (i * 7) % kBooks;
        ctx.book = &book_pool()[k];
        ctx.trades = std::span<const TradePrint>(print_pool()).subspan(k * kPrintsPerBar, kPrintsPerBar);
    }
};

}  // namespace
}  // namespace prynox::bench

int main(int argc, char** argv) {
    using namespace prynox;
    bench::register_updates_fed(bench::BookFeed{}, {
             {"QuotedSpread", {}},
             {"OrderBookImbalanceTop1", {}},
             {"OrderBookImbalanceTopN", {5}},
             {"OrderBookImbalanceFull", {}},
             {"Microprice", {}},
             {"DepthSlope", {}},
             {"OrderFlowImbalance", {50}},
             {"EffectiveSpread", {}},
             {"RealizedSpread", {50}},
             {"KylesLambda", {50}},
    });
    return bench::run_main(argc, argv);
}
