#pragma once
// Candles for the volume types' tables (money flow, volume pressure, volume-weighted averages):
// varied candles with volumes in tenths (sums that leave residues), bars without volume here and
// there and a run of them after variation; and the pieces their recomputations share.
#include <numeric>
#include <span>
#include <string>
#include <vector>

#include "support/candle_tables.hpp"

namespace prynox::test {

inline Candle vbar(double o, double h, double l, double c, double v) { return Candle{0, o, h, l, c, v}; }

inline Candles volume_candles(std::size_t n, std::uint64_t seed, bool invalid, bool grid = false) {
    Candles out = grid ? grid_candles(n, seed) : varied_candles(n, seed, invalid);
    for (std::size_t i = 0; i < out.size(); ++i) {
        // Seven minutes apart from a day before 1970: days of either sign for the session types.
        out[i].time = static_cast<std::int64_t>(i) * 420000 - 86400000;
        if (out[i].volume >= 0.0)
            out[i].volume = (i >= 160 && i < 200) || i % 19 == 7 ? 0.0 : static_cast<double>(1 + splitmix(seed) % 30) / 10.0;
    }
    return out;
}

inline const std::vector<Candles>& volume_sets() {
    static const std::vector<Candles> sets = {volume_candles(700, 5, true), volume_candles(400, 9, false, true)};
    return sets;
}

inline double typical(const Candle& c) { return ((c.high + c.low) + c.close) / 3.0; }

// f(the window of the last n values, oldest first) once n are held.
template <class T, class F>
Series each_window(const std::vector<T>& xs, std::size_t n, F f) {
    Series out(xs.size());
    for (std::size_t t = n - 1; t < xs.size(); ++t) out[t] = f(std::span<const T>(xs).subspan(t + 1 - n, n));
    return out;
}

// f(candle, the candle before) for each candle from the second on.
template <class F>
auto changes(const Candles& cs, F f) {
    std::vector<decltype(f(cs[0], cs[0]))> out;
    for (std::size_t t = 1; t < cs.size(); ++t) out.push_back(f(cs[t], cs[t - 1]));
    return out;
}

inline double sum_of(std::span<const double> w) { return std::accumulate(w.begin(), w.end(), 0.0); }

// A value per candle from the second on, put back on the candles.
inline Series from_second(const Series& per_change) {
    Series out(per_change.size() + 1);
    std::copy(per_change.begin(), per_change.end(), out.begin() + 1);
    return out;
}

struct VolumeFormula {
    const char* type;
    std::vector<std::vector<double>> params;
    Series (*ref)(const Candles&, const std::vector<double>&);
    double tol = 0.0;  // the never (or periodically) re-summed sums drift from the window's own
    int resummed = -1;  // exact on accepted candle t with (t + resummed) % #0 == 0, just re-summed
};

// Every formula over every set, on the accepted candles.
inline void expect_formulas(std::span<const VolumeFormula> formulas) {
    for (const Candles& bars : volume_sets()) {
        const Candles ok = accepted_candles(bars);
        for (const VolumeFormula& f : formulas)
            for (const auto& p : f.params) {
                std::vector<double> tol;
                for (std::size_t t = 0; t < ok.size(); ++t)
                    tol.push_back(f.resummed >= 0 && (t + f.resummed) % static_cast<std::size_t>(p[0]) == 0 ? 0.0 : f.tol);
                const Series tols = on_accepted(bars, Series(tol.begin(), tol.end()));
                expect_series(run_candles(f.type, p, bars), on_accepted(bars, f.ref(ok, p)),
                              [&tols](std::size_t i) { return tols[i].value_or(0.0); }, describe(f.type, p));
            }
    }
}

// A candle spanning the doubles: its range, typical price times volume and close times volume
// are not finite.
inline const Candle kEndless{0, -1.7e308, 1.7e308, -1.7e308, 1.7e308, 1000.0};

}  // namespace prynox::test
