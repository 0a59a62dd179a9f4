// The moving-average oscillators: each type against a straightforward recomputation over the
// accepted closes of a varied series with rejected bars, their warm-ups, the constant-series
// answers, and every registry check with its message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "indicators/ma_oscillators/apo.hpp"
#include "indicators/ma_oscillators/elder_impulse.hpp"
#include "indicators/ma_oscillators/macd_histogram.hpp"
#include "indicators/ma_oscillators/ppo.hpp"
#include "indicators/ma_oscillators/ppo_histogram.hpp"
#include "indicators/ma_oscillators/stc.hpp"
#include "indicators/ma_oscillators/trix.hpp"
#include "indicators/ma_oscillators/tsi.hpp"

namespace prynox {
namespace {

using test::EntryCase;
using test::Series;
using test::kMax;
using test::kZero;
using test::outcome;
using test::ref_ema;
using Vec = std::vector<double>;
constexpr std::size_t kBars = 400;

// ------------------------------------------------------------------ reference building blocks

// The EMA of the present values of `in`, aligned back onto it.
Series ema_of(const Series& in, std::size_t n) {
    return test::through(in, [n](const Vec& v) { return test::ref_ema(v, n); });
}

Series lift(const Vec& xs) { return Series(xs.begin(), xs.end()); }

// fast - slow where both exist.
Series ref_macd_line(const Vec& xs, std::size_t f, std::size_t s) {
    Series fast = ref_ema(xs, f), slow = ref_ema(xs, s), out(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (fast[i] && slow[i]) out[i] = *fast[i] - *slow[i];
    return out;
}

Series ref_macd_histogram(const Vec& xs, std::size_t f, std::size_t s, std::size_t g) {
    Series m = ref_macd_line(xs, f, s), sig = ema_of(m, g), out(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (sig[i]) out[i] = *m[i] - *sig[i];
    return out;
}

Series ref_ppo(const Vec& xs, std::size_t f, std::size_t s) {
    Series fast = ref_ema(xs, f), slow = ref_ema(xs, s), out(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (fast[i] && slow[i]) out[i] = *slow[i] == 0 ? 0.0 : ((*fast[i] - *slow[i]) * 100.0) / *slow[i];
    return out;
}

Series ref_trix(const Vec& xs, std::size_t n) {
    Series e3 = ema_of(ema_of(lift(xs), n), n);
    e3 = ema_of(e3, n);
    Series out(xs.size());
    std::optional<double> prev;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (!e3[i]) continue;
        if (prev) out[i] = *prev == 0 ? 0.0 : ((*e3[i] - *prev) * 100.0) / *prev;
        prev = e3[i];
    }
    return out;
}

Series ref_tsi(const Vec& xs, std::size_t r, std::size_t q) {
    Series m(xs.size()), a(xs.size());
    for (std::size_t i = 1; i < xs.size(); ++i) m[i] = xs[i] - xs[i - 1];
    for (std::size_t i = 1; i < xs.size(); ++i) a[i] = std::fabs(*m[i]);
    Series a2 = ema_of(ema_of(m, r), q), b2 = ema_of(ema_of(a, r), q), out(xs.size());
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (a2[i]) out[i] = *b2[i] == 0 ? 0.0 : (*a2[i] * 100.0) / *b2[i];
    return out;
}

// Two stochastics over windows of c values, scanned afresh, each smoothed by the factor.
Series ref_stc(const Vec& xs, std::size_t f, std::size_t s, std::size_t c, double factor) {
    Series m = ref_macd_line(xs, f, s), out(xs.size());
    Vec w1, w2;
    std::optional<double> pf, result;
    auto stoch = [](const Vec& w, double v) {
        double lo = *std::min_element(w.begin(), w.end());
        double hi = *std::max_element(w.begin(), w.end());
        return hi > lo ? ((v - lo) * 100.0) / (hi - lo) : 0.0;
    };
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (!m[i]) continue;
        w1.push_back(*m[i]);
        if (w1.size() > c) w1.erase(w1.begin());
        if (w1.size() < c) continue;
        double k1 = stoch(w1, *m[i]);
        pf = pf ? *pf + factor * (k1 - *pf) : k1;
        w2.push_back(*pf);
        if (w2.size() > c) w2.erase(w2.begin());
        if (w2.size() < c) continue;
        double k2 = stoch(w2, *pf);
        result = result ? *result + factor * (k2 - *result) : k2;
        out[i] = result;
    }
    return out;
}

Series ref_elder(const Vec& xs, std::size_t e, std::size_t f, std::size_t s, std::size_t g) {
    Series t = ref_ema(xs, e), h = ref_macd_histogram(xs, f, s, g), out(xs.size());
    std::optional<std::pair<double, double>> prev;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (!t[i] || !h[i]) continue;
        if (prev) {
            auto [pt, ph] = *prev;
            out[i] = (*h[i] > ph && *t[i] > pt) ? 1.0 : ((*h[i] < ph && *t[i] < pt) ? -1.0 : 0.0);
        }
        prev = {*t[i], *h[i]};
    }
    return out;
}

// ------------------------------------------------------------------ harness

const test::ClosesCase& data() {
    static const test::ClosesCase d(test::varied_closes(kBars, 7, true), kBars);
    return d;
}
// Every output of `state` over a constant series equals `want` from bar `first` on, none before.
template <class State>
void expect_constant_answer(State state, double x, std::size_t first, double want) {
    for (std::size_t bar = 1; bar <= first + 40; ++bar) {
        auto v = state.update_value(x);
        if (bar < first) {
            ASSERT_FALSE(v) << "bar " << bar;
        } else {
            ASSERT_TRUE(v) << "bar " << bar;
            ASSERT_EQ(*v, want) << "bar " << bar;
        }
    }
}

// ------------------------------------------------------------------ recomputations

struct FastSlow {
    std::size_t f, s, g;
};
const FastSlow kPairs[] = {{1, 2, 1}, {3, 5, 4}, {12, 26, 9}, {5, 35, 5}, {2, 3, 20}};

TEST(MaOscillatorTest, ApoPpoAndHistograms) {
    for (auto [f, s, g] : kPairs) {
        SCOPED_TRACE(testing::Message() << f << "/" << s << "/" << g);
        Series apo = ref_macd_line(data().finite(), f, s);
        data().expect_exact(*Apo::create(f, s), apo);
        Series ppo = ref_ppo(data().finite(), f, s), sig = ema_of(ppo, g), hist(ppo.size());
        for (std::size_t i = 0; i < ppo.size(); ++i)
            if (sig[i]) hist[i] = *ppo[i] - *sig[i];
        data().expect_exact(*Ppo::create(f, s), ppo);
        data().expect_exact(*PpoHistogram::create(f, s, g), hist);
        data().expect_exact(*MacdHistogram::create(f, s, g), ref_macd_histogram(data().finite(), f, s, g));
        data().expect_warmup_matches(*Apo::create(f, s));
        data().expect_warmup_matches(*Ppo::create(f, s));
        data().expect_warmup_matches(*PpoHistogram::create(f, s, g));
        data().expect_warmup_matches(*MacdHistogram::create(f, s, g));
    }
}

TEST(MaOscillatorTest, Trix) {
    for (std::size_t n : {1u, 2u, 5u, 15u}) {
        SCOPED_TRACE(n);
        data().expect_exact(*Trix::create(n), ref_trix(data().finite(), n));
        data().expect_warmup_matches(*Trix::create(n));
    }
}

TEST(MaOscillatorTest, Tsi) {
    for (auto [r, q] : {std::pair<std::size_t, std::size_t>{1, 1}, {25, 13}, {3, 9}, {13, 2}}) {
        SCOPED_TRACE(testing::Message() << r << "/" << q);
        // The first accepted close only sets the previous close.
        Series want = ref_tsi(data().finite(), r, q);
        data().expect_exact(*Tsi::create(r, q), want);
        data().expect_warmup_matches(*Tsi::create(r, q));
    }
}

TEST(MaOscillatorTest, Stc) {
    for (auto [f, s, c, factor] : {std::tuple<std::size_t, std::size_t, std::size_t, double>{23, 50, 10, 0.5},
                                   {3, 7, 1, 1.0}, {2, 5, 4, 0.25}, {5, 12, 30, 0.8}}) {
        SCOPED_TRACE(testing::Message() << f << "/" << s << "/" << c);
        data().expect_exact(*Stc::create(f, s, c, factor), ref_stc(data().finite(), f, s, c, factor));
        data().expect_warmup_matches(*Stc::create(f, s, c, factor));
    }
}

TEST(MaOscillatorTest, ElderImpulse) {
    for (auto [e, f, s, g] : {std::tuple<std::size_t, std::size_t, std::size_t, std::size_t>{13, 12, 26, 9},
                              {40, 3, 6, 2}, {1, 1, 2, 2}, {5, 4, 8, 3}}) {
        SCOPED_TRACE(testing::Message() << e << "/" << f << "/" << s << "/" << g);
        Series want = ref_elder(data().finite(), e, f, s, g);
        data().expect_exact(*ElderImpulse::create(e, f, s, g), want);
        data().expect_warmup_matches(*ElderImpulse::create(e, f, s, g));
        // Both signs occur on this series.
        EXPECT_NE(std::count(want.begin(), want.end(), std::optional<double>(1.0)), 0);
        EXPECT_NE(std::count(want.begin(), want.end(), std::optional<double>(-1.0)), 0);
    }
}

// ------------------------------------------------------------------ edge cases

TEST(MaOscillatorTest, ApoOfOneAndTwo) {
    auto apo = *Apo::create(1, 2);
    EXPECT_FALSE(apo.update_value(1));
    EXPECT_EQ(apo.update_value(3), 1.0);
}

TEST(MaOscillatorTest, ConstantSeriesGiveZero) {
    // Seed means of these constants differ from the constant in the last bit for some periods,
    // so the plain stages alone would not give an exact 0.
    for (double x : {0.1, 103.25, 1.0 / 3.0, -7.7, 0.0, 1e300}) {
        SCOPED_TRACE(x);
        expect_constant_answer(*Apo::create(3, 7), x, 7, 0.0);
        expect_constant_answer(*Ppo::create(12, 26), x, 26, 0.0);
        expect_constant_answer(*PpoHistogram::create(12, 26, 9), x, 34, 0.0);
        expect_constant_answer(*MacdHistogram::create(12, 26, 9), x, 34, 0.0);
        expect_constant_answer(*Tsi::create(25, 13), x, 38, 0.0);
        expect_constant_answer(*Stc::create(23, 50, 10, 0.5), x, 68, 0.0);
        expect_constant_answer(*ElderImpulse::create(13, 12, 26, 9), x, 35, 0.0);
        expect_constant_answer(*ElderImpulse::create(50, 12, 26, 9), x, 51, 0.0);
    }
    expect_constant_answer(*Trix::create(4), 0.0, 11, 0.0);
    // The plain seed means do disagree on such a series.
    EXPECT_NE(*ref_ema(Vec(26, 0.1), 26).back(), *ref_ema(Vec(26, 0.1), 12).back());
}

TEST(MaOscillatorTest, ConstantStartThenVariation) {
    // Once the series varies, the stages' own values are used again.
    Vec xs(30, 0.1);
    for (std::size_t i = 0; i < 60; ++i) xs.push_back(0.1 + 0.01 * static_cast<double>(i % 7 + 1));
    auto apo = *Apo::create(3, 7);
    Series got = test::run(apo, xs), want = ref_macd_line(xs, 3, 7);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        ASSERT_TRUE(got[i].has_value() == want[i].has_value()) << i;
        if (i < 30 && got[i]) {
            EXPECT_EQ(*got[i], 0.0) << i;
        } else if (i >= 30) {
            EXPECT_TRUE(test::same_bits(*got[i], *want[i])) << i;
        }
    }
}

TEST(MaOscillatorTest, RejectedClosesChangeNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    Vec clean = test::varied_closes(120, 3, false), dirty;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        if (i % 11 == 4) dirty.insert(dirty.end(), {nan, inf, -inf});
        dirty.push_back(clean[i]);
    }
    auto check = [&](auto state) {
        auto copy = state;
        test::expect_series_exact(test::run(state, dirty), test::on_bars(dirty, test::run(copy, clean)));
    };
    check(*Apo::create(3, 8));
    check(*Ppo::create(3, 8));
    check(*PpoHistogram::create(3, 8, 4));
    check(*MacdHistogram::create(3, 8, 4));
    check(*Trix::create(4));
    check(*Tsi::create(6, 3));
    check(*Stc::create(3, 8, 5, 0.5));
    check(*ElderImpulse::create(6, 3, 8, 4));
}

TEST(MaOscillatorTest, HugeClosesDoNotPoisonStc) {
    // MACD values so far apart that ((m - lo) * 100) / (hi - lo) overflows: those bars give
    // nothing and the smoothed lines stay finite, so values return with ordinary closes.
    auto stc = *Stc::create(1, 2, 2, 0.5);
    Vec xs = {1.0, 2.0, 1.7e308, 1.7e308, 1.7e308, -1.7e308, 1.7e308};
    for (int i = 0; i < 20; ++i) xs.push_back(3.0 + (i % 3));
    Series got = test::run(stc, xs);
    EXPECT_FALSE(got[6]);  // MACD -1.1e308 then +0.76e308
    for (const auto& v : got) EXPECT_TRUE(!v || std::isfinite(*v));
    for (std::size_t i = xs.size() - 8; i < xs.size(); ++i) EXPECT_TRUE(got[i]) << i;
}

TEST(MaOscillatorTest, UnboundedCycleGrowsWithTheData) {
    auto stc = *Stc::create(2, 3, 100000000, 0.5);
    EXPECT_EQ(stc.warmup_period(), 3u + 200000000u - 2u);
    for (double x : test::varied_closes(300, 5, false)) EXPECT_FALSE(stc.update_value(x));
}

// ------------------------------------------------------------------ registry entries

TEST(MaOscillatorEntriesTest, ChecksInOrder) {
    const std::string apo = "invalid period: APO fast period must be strictly less than slow";
    const std::string ppo = "invalid period: PPO fast period must be < slow period";
    const std::string macd = "invalid period: fast period must be strictly less than slow period";
    const std::string stc = "invalid period: STC fast period must be strictly less than slow";
    const std::string factor = "invalid period: STC factor must be a finite value in (0, 1]";
    const double z = 1e-17;  // reads as 0 and reaches the constructor
    const double big = 16777217;
    const std::vector<EntryCase> cases = {
        {"Apo", {z, 26}, kZero},
        {"Apo", {26, z}, kZero},
        {"Apo", {12, 12}, apo},
        {"Apo", {13, 12}, apo},
        {"Apo", {big + 1, big}, apo},
        {"Apo", {12, big}, kMax},
        {"Apo", {16777215, 16777216}, ""},
        {"Apo", {12}, "missing parameter #1"},
        {"Apo", {0, 26}, "parameter #0 must be a positive integer, got 0"},
        {"Ppo", {z, 26}, kZero},
        {"Ppo", {12, 12}, ppo},
        {"Ppo", {12, big}, kMax},
        {"Ppo", {12, 26, 99, -1}, ""},
        {"PpoHistogram", {26, 12, z}, kZero},
        {"PpoHistogram", {26, 12, big}, kMax},
        {"PpoHistogram", {z, 12, 9}, kZero},
        {"PpoHistogram", {26, 12, 9}, ppo},
        {"PpoHistogram", {12, big, 9}, kMax},
        {"PpoHistogram", {12, 26}, "missing parameter #2"},
        {"PpoHistogram", {12, 26, 9}, ""},
        {"MacdHistogram", {12, 26, z}, kZero},
        {"MacdHistogram", {12, 12, 9}, macd},
        {"MacdHistogram", {26, 12, big}, macd},
        {"MacdHistogram", {12, 26, big}, kMax},
        {"MacdHistogram", {12, big, 9}, kMax},
        {"MacdHistogram", {12, 26, 9}, ""},
        {"ElderImpulse", {z, 26, 12, 9}, kZero},
        {"ElderImpulse", {big, 26, 12, 9}, kMax},
        {"ElderImpulse", {13, 26, 12, 9}, macd},
        {"ElderImpulse", {13, 12, 26, z}, kZero},
        {"ElderImpulse", {13, 12, 26, big}, kMax},
        {"ElderImpulse", {13, 12, 26, 9}, ""},
        {"ElderImpulse", {13, 12, 26}, "missing parameter #3"},
        {"Tsi", {z, 13}, kZero},
        {"Tsi", {25, z}, kZero},
        {"Tsi", {big, 13}, kMax},
        {"Tsi", {25, big}, kMax},
        {"Tsi", {16777216, 16777216}, ""},
        {"Trix", {z}, kZero},
        {"Trix", {big}, kMax},
        {"Trix", {16777216}, ""},
        {"Trix", {}, "missing parameter #0"},
        {"Stc", {z, 50, 10, 0.5}, kZero},
        {"Stc", {23, 50, z, 0.5}, kZero},
        {"Stc", {50, 23, 10, 0}, stc},
        {"Stc", {23, 50, 10, 0}, factor},
        {"Stc", {23, 50, 10, -0.0}, factor},
        {"Stc", {23, 50, 10, 1.0000001}, factor},
        {"Stc", {23, big, 10, 2}, factor},
        {"Stc", {23, big, 10, 1}, kMax},
        {"Stc", {23, 50, 100000000, 0.5}, ""},
        {"Stc", {23, 50, 1e300, 5e-324}, ""},
        {"Stc", {23, 50, 10, 1}, ""},
        {"Stc", {23, 50, 10}, "missing parameter #3"},
        {"Stc", {23, 50, 10, std::nan("")}, "parameter #3 must be finite"},
    };
    for (const auto& c : cases) EXPECT_EQ(outcome(c), c.message) << test::describe(c);
}

TEST(MaOscillatorEntriesTest, ConstructorChecksBeyondTheReaders) {
    auto e = Stc::create(2, 3, 4, std::numeric_limits<double>::infinity());
    ASSERT_FALSE(e);
    EXPECT_EQ(e.error().display(), "invalid period: STC factor must be a finite value in (0, 1]");
}

TEST(MaOscillatorEntriesTest, WarmUps) {
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::vector<std::pair<EntryCase, std::uint64_t>> cases = {
        {{"Apo", {12, 26}}, 26},
        {{"Ppo", {12, 26}}, 26},
        {{"PpoHistogram", {12, 26, 9}}, 34},
        {{"MacdHistogram", {12, 26, 9}}, 34},
        {{"ElderImpulse", {13, 12, 26, 9}}, 35},
        {{"ElderImpulse", {50, 12, 26, 9}}, 51},
        {{"Trix", {15}}, 44},
        {{"Trix", {1}}, 2},
        {{"Tsi", {25, 13}}, 38},
        {{"Stc", {23, 50, 10, 0.5}}, 68},
        {{"Stc", {23, 50, 1, 0.5}}, 50},
        {{"Stc", {23, 50, 1e300, 0.5}}, max},
    };
    for (const auto& [c, warmup] : cases) test::expect_built_warmup(c, warmup);
}

TEST(MaOscillatorEntriesTest, BuiltObjectsReadTheClose) {
    auto r = build_indicator("Apo", std::vector<double>{1, 2});
    ASSERT_TRUE(r);
    EXPECT_FALSE(test::update_close(**r, 1));
    EXPECT_FALSE(test::update_close(**r, std::nan("")));
    EXPECT_EQ(test::update_close(**r, 3), 1.0);
}

}  // namespace
}  // namespace prynox
