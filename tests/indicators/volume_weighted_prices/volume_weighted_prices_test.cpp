// The volume-weighted prices, built from the registry, against plain recomputations over the
// accepted candles; windows without volume; the refused bars; and the exact sums of the
// windowed step right after each recomputation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "indicators/cores/vwma_step.hpp"
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

// Each window summed afresh, oldest pair first; the plain mean of the closes when it holds no
// volume.
Series ref_vwma(const Candles& a, std::size_t n) {
    Series out(a.size());
    for (std::size_t t = n - 1; t < a.size(); ++t) {
        double pv = 0.0, vs = 0.0, ps = 0.0;
        bool volume = false;
        for (std::size_t i = t + 1 - n; i <= t; ++i)
            pv += a[i].close * a[i].volume, vs += a[i].volume, ps += a[i].close, volume |= a[i].volume > 0.0;
        out[t] = volume ? pv / vs : ps / static_cast<double>(n);
    }
    return out;
}

TEST(VolumeWeightedPricesTest, AgainstPlainRecomputations) {
    for (const Candles& bars : {test::volume_candles(5, true), test::volume_candles(8, false)}) {
        const Candles a = test::accepted_candles(bars);
        for (const char* type : {"Vwap", "AnchoredVwap"})
            test::expect_series(test::run_candles(type, {}, bars), test::on_accepted(bars, ref_vwap(a)), 0.0, type);
        for (std::size_t n : {1u, 2u, 4u, 10u, 20u}) {
            const Series got = test::run_candles("Vwma", {static_cast<double>(n)}, bars);
            // Exact on the calls that recompute the sums (the n-th accepted, then every n-th);
            // between them the running sums carry rounding residues.
            std::vector<double> tol;
            for (std::size_t i = 0, t = 0; i < bars.size(); ++i)
                tol.push_back(candle_passes(bars[i]) && (t++ + 1) % n == 0 ? 0.0 : 1e-12);
            test::expect_series(got, test::on_accepted(bars, ref_vwma(a, n)), [&tol](std::size_t i) { return tol[i]; },
                                "Vwma " + std::to_string(n), 100.0);
        }
    }
}

// A window far beyond the data costs memory for the data seen and gives nothing over it.
TEST(VolumeWeightedPricesTest, WindowBeyondTheData) {
    std::uint64_t warmup = 0;
    EXPECT_EQ(test::first_value_bar(test::run_candles("Vwma", {16777216}, test::volume_candles(2, false), &warmup)), 0u);
    EXPECT_EQ(warmup, 16777216u);
}

TEST(VolumeWeightedPricesTest, WorkedCases) {
    // No value before the first volume, then a value on every candle, zero volumes included.
    const Candles bars = {cv(10, 0), cv(11, 0), Candle{0, 12, 13, 11, 12.5, 2}, cv(20, 0), cv(14, 1)};
    const double tp = ((13.0 + 11.0) + 12.5) / 3.0;
    for (const char* type : {"Vwap", "AnchoredVwap"})
        test::expect_series(test::run_candles(type, {}, bars), {N, N, tp, tp, (2.0 * tp + 14.0) / 3.0});
    // Period 1: the close itself, with volume or without.
    test::expect_series(test::run_candles("Vwma", {1}, {cv(0.1, 0.3), cv(0.7, 0), cv(-2.5, 1e-300), cv(3, 7)}),
                        {0.1, 0.7, -2.5, 3.0});
    // Volumes whose window has emptied leave residues in the running sums: without the count of
    // positive volumes, the window of zero volumes on bar 7 gives -128.
    Candles empty = {cv(100.3, 0.1), cv(101.7, 0.7), cv(99.1, 0.2)};
    for (double c : {100.0, 100.0, 100.0, 100.0, 100.2, 99.8, 100.1, 99.9}) empty.push_back(cv(c, 0));
    const Series got = test::run_candles("Vwma", {4}, empty);
    EXPECT_EQ(got[6], 100.0);
    test::expect_series(got, ref_vwma(empty, 4), 1e-12);
    // Flat after the empty run: the plain mean of the window, exactly after a recomputation.
    EXPECT_EQ(got[10], (((100.2 + 99.8) + 100.1) + 99.9) / 4.0);
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

// Right after each recomputation (the call that fills the window, then every n calls) the
// sums equal a direct summation over the window, oldest pair first.
TEST(VolumeWeightedPricesTest, StepSumsAreExactAfterEachRecomputation) {
    const Candles a = test::accepted_candles(test::volume_candles(17, false));
    for (std::uint64_t n : {1u, 3u, 7u, 16u}) {
        VwmaState state(n);
        for (std::size_t t = 0; t < a.size(); ++t) {
            (void)vwma_step(state, a[t].close, a[t].volume);
            if ((t + 1) % n != 0) continue;
            double pv = 0.0, vs = 0.0, ps = 0.0;
            std::uint64_t positive = 0;
            for (std::size_t i = t + 1 - n; i <= t; ++i)
                pv += a[i].close * a[i].volume, vs += a[i].volume, ps += a[i].close, positive += a[i].volume > 0.0;
            ASSERT_TRUE(test::same_bits(state.weighted_sum(), pv) && test::same_bits(state.volume_sum(), vs) &&
                        test::same_bits(state.price_sum(), ps))
                << n << " " << t;
            ASSERT_EQ(state.positive_volumes(), positive);
        }
        // Asked first, the state tells which pairs its step refuses.
        EXPECT_FALSE(state.ready_for(1e200, 1e200));
        EXPECT_TRUE(state.ready_for(100.0, 0.0) && state.ready_for(-3.0, 1e10));
    }
}

}  // namespace
}  // namespace prynox
