#pragma once
// Feeding a registry-built type closes with a reference series: the pairs, and a run that keeps
// each bar's value and named outputs.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox::test {

// Closes with references; an absent reference is a bar without one.
struct Pairs {
    std::vector<double> closes;
    std::vector<std::optional<double>> refs;
    // The bar carries a pair the types take (both finite).
    bool taken(std::size_t i) const { return std::isfinite(closes[i]) && refs[i] && std::isfinite(*refs[i]); }
};

inline Pairs pairs(const std::vector<double>& closes, const std::vector<double>& refs) {
    Pairs d{closes, {}};
    for (double r : refs) d.refs.push_back(r);
    return d;
}

struct PairRun {
    Series values;
    std::vector<std::vector<double>> outputs;  // the list after each value
    std::uint64_t warmup = 0;
};

inline PairRun run_pairs(const std::string& type, const std::vector<double>& params, const Pairs& d) {
    PairRun r;
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return r;
    }
    r.warmup = (*built)->warmup_period();
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        Candle c{static_cast<std::int64_t>(i), 9, 9, 9, d.closes[i], 5};
        BarContext ctx;
        ctx.candle = &c;
        if (d.refs[i]) ctx.reference = *d.refs[i];
        r.values.push_back((*built)->update(ctx));
        std::vector<double> list;
        if (r.values.back())
            for (const auto& o : (*built)->outputs()) list.push_back(o.value);
        r.outputs.push_back(list);
    }
    return r;
}

// The pairs `bad` spliced in before bar `at` give no value, and every other bar gives, bit for
// bit, the value and outputs of the series without them.
inline void expect_spliced(const std::string& type, const std::vector<double>& params, const Pairs& d, std::size_t at,
                           const Pairs& bad) {
    Pairs with = d;
    const auto k = static_cast<std::ptrdiff_t>(at);
    with.closes.insert(with.closes.begin() + k, bad.closes.begin(), bad.closes.end());
    with.refs.insert(with.refs.begin() + k, bad.refs.begin(), bad.refs.end());
    const PairRun a = run_pairs(type, params, d), b = run_pairs(type, params, with);
    const std::string what = describe(type, params) + " refusing at " + std::to_string(at);
    for (std::size_t i = 0; i < bad.closes.size(); ++i) EXPECT_FALSE(b.values[at + i]) << what;
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        const std::size_t j = i < at ? i : i + bad.closes.size();
        ASSERT_TRUE(a.values[i] == b.values[j] && a.outputs[i] == b.outputs[j]) << what << ", bar " << i;
    }
}

// Every output of `type` (its value when it has no list) on every bar against f(closes,
// references) over the last n taken pairs: a value once n are taken, none on a bar that takes
// none; within tol(taken so far, closes, references) relative, bit for bit where that is 0.
template <class F, class Tol>
void expect_pair_windows(const std::string& type, const std::vector<double>& params, std::size_t n, const Pairs& d,
                         F f, Tol tol) {
    const PairRun got = run_pairs(type, params, d);
    std::vector<double> c, r;
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        const std::string at = describe(type, params) + ", bar " + std::to_string(i);
        if (d.taken(i)) c.push_back(d.closes[i]), r.push_back(*d.refs[i]);
        ASSERT_EQ(got.values[i].has_value(), d.taken(i) && c.size() >= n) << at;
        if (!got.values[i]) continue;
        const auto from = static_cast<std::ptrdiff_t>(c.size() - n);
        const std::vector<double> wc(c.begin() + from, c.end()), wr(r.begin() + from, r.end()), want = f(wc, wr),
            list = got.outputs[i].empty() ? std::vector<double>{*got.values[i]} : got.outputs[i];
        const double t = tol(c.size(), wc, wr);
        ASSERT_EQ(list.size(), want.size()) << at;
        ASSERT_TRUE(same_bits(list[0], *got.values[i])) << at;
        for (std::size_t o = 0; o < want.size(); ++o) {
            if (t == 0) {
                ASSERT_TRUE(same_bits(list[o], want[o])) << at << " output " << o << ": " << list[o] << " vs " << want[o];
            } else {
                ASSERT_NEAR(list[o], want[o], t * std::max(std::fabs(want[o]), 1.0)) << at << " output " << o;
            }
        }
    }
}

// Types whose lengths reach far beyond the data report their warm-up (where one is given, not 0)
// and give no value over `d`: their windows grow with the data instead of being reserved in full.
inline void expect_lengths_beyond(const std::vector<std::tuple<std::string, std::vector<double>, std::uint64_t>>& rows,
                                  const Pairs& d) {
    for (const auto& [type, params, warmup] : rows) {
        const PairRun r = run_pairs(type, params, d);
        EXPECT_TRUE(warmup == 0 || r.warmup == warmup) << describe(type, params) << ": warm-up " << r.warmup;
        EXPECT_EQ(first_value_bar(r.values), 0u) << describe(type, params);
    }
}

// A worked case over pairs: the values of the last bars, bit for bit.
struct PairPin {
    std::string type;
    std::vector<double> params;
    Pairs data;
    Series last;
};

inline void expect_pair_pins(const std::vector<PairPin>& pins) {
    for (const PairPin& p : pins) {
        const Series got = run_pairs(p.type, p.params, p.data).values;
        ASSERT_GE(got.size(), p.last.size()) << p.type;
        expect_series(Series(got.end() - static_cast<std::ptrdiff_t>(p.last.size()), got.end()), p.last, 0.0,
                      describe(p.type, p.params), 0.0);
    }
}

}  // namespace prynox::test
