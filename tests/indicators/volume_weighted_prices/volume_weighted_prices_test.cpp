// The volume-weighted prices, built from the registry, against plain recomputations over the
// accepted candles; a window emptied of volume; the refused bars.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "indicators/volume_lines/volume_candles.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using test::Candles;
using test::cv;
using test::Series;
using Vec = std::vector<double>;
constexpr std::optional<double> N = std::nullopt;

Series ref_vwap(const Candles& a) {
    Series out;
    double pv = 0.0, vs = 0.0;
    for (const Candle& c : a) {
        pv = pv + c.volume * (((c.high + c.low) + c.close) / 3.0);
        vs = c.volume + vs;
        out.push_back(vs == 0.0 ? N : std::optional<double>(pv / vs));
    }
    return out;
}

TEST(VolumeWeightedPricesTest, AgainstPlainRecomputations) {
    for (const Candles& bars : {test::volume_candles(5, true), test::volume_candles(8, false)}) {
        const Candles a = test::accepted_candles(bars);
        for (const char* type : {"Vwap", "AnchoredVwap"})
            test::expect_series(test::run_candles(type, {}, bars), test::on_accepted(bars, ref_vwap(a)), 0.0, type);
        for (std::size_t n : {1u, 2u, 4u, 10u, 20u, 16777216u}) {  // 2^24: memory for the data seen only
            const Series got = test::run_candles("Vwma", {static_cast<double>(n)}, bars);
            // Exact on the calls that recompute the sums (the n-th accepted, then every n-th);
            // between them the running sums carry rounding residues.
            std::vector<double> tol;
            for (std::size_t i = 0, t = 0; i < bars.size(); ++i)
                tol.push_back(candle_passes(bars[i]) && (t++ + 1) % n == 0 ? 0.0 : 1e-12);
            test::expect_series(got, test::on_accepted(bars, test::ref_vwma(a, n)), [&tol](std::size_t i) { return tol[i]; },
                                "Vwma " + std::to_string(n), 100.0);
        }
    }
}

// Volumes whose window has emptied leave residues in the running sums: without the count of
// positive volumes, the window of zero volumes on bar 7 gives -128 instead of the plain mean.
TEST(VolumeWeightedPricesTest, WindowEmptiedOfVolume) {
    Candles empty = {cv(100.3, 0.1), cv(101.7, 0.7), cv(99.1, 0.2)};
    for (double c : {100.0, 100.0, 100.0, 100.0, 100.2, 99.8, 100.1, 99.9}) empty.push_back(cv(c, 0));
    const Series got = test::run_candles("Vwma", {4}, empty);
    EXPECT_EQ(got[6], 100.0);
    EXPECT_EQ(got[10], (((100.2 + 99.8) + 100.1) + 99.9) / 4.0);  // exact after a recomputation
}

// Bars whose product, typical price or sums are not finite are refused: no value, nothing
// changed.
TEST(VolumeWeightedPricesTest, NonFiniteTermsAreRefused) {
    const Candles bars = test::accepted_candles(test::volume_candles(13, false));
    const double big = 1.7e308;
    for (const Candle& bad : {Candle{0, 20, 20, 20, 20, 1e307}, Candle{0, big, big, big, big, 2},
                              Candle{0, 1e308, 1e308, 1e308, 1e308, 0}})
        for (std::size_t at : {0u, 1u, 5u, 40u, 300u}) {
            test::expect_candles_refused("Vwap", {}, bars, at, {bad});
            test::expect_candles_refused("AnchoredVwap", {}, bars, at, {bad});
        }
    for (const Candle& bad : {cv(1e200, 1e200), cv(-1e300, 1e10)})
        for (double n : {1.0, 3.0, 20.0})
            for (std::size_t at : {0u, 2u, 3u, 40u, 300u}) test::expect_candles_refused("Vwma", {n}, bars, at, {bad});
    // A sum of prices beyond the doubles: the second huge close is refused.
    test::expect_series(test::run_candles("Vwma", {2}, {cv(big, 1), cv(big, 1), cv(1, 1)}), {N, N, (big + 1.0) / 2.0});
}

}  // namespace
}  // namespace prynox
