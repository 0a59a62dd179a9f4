// The derivatives types, built from the registry and fed ticks (some bars without one), against
// plain recomputations over the ticks they read; the degenerate windows; the edge cases of the
// types; derived values that overflow, refused like a rejected tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox {
namespace {

using namespace test;
using P = std::vector<double>;
using Tick = DerivativesTick;
using Ticks = std::vector<std::optional<Tick>>;
using Present = std::vector<Tick>;
constexpr auto none = std::nullopt;

struct Fed {
    Series values;
    std::vector<std::vector<double>> outputs;  // the list after each bar
    std::uint64_t warmup = 0;
};

// The built type over the bars; a bar without a tick carries none. The candle is fixed, so that
// a type reading it would show.
Fed feed(const std::string& type, const P& params, const Ticks& ticks) {
    Fed r;
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return r;
    }
    r.warmup = (*built)->warmup_period();
    const Candle candle{0, 9, 9, 9, 9, 5};
    for (const auto& t : ticks) {
        BarContext ctx;
        ctx.candle = &candle;
        ctx.deriv = t ? &*t : nullptr;
        r.values.push_back((*built)->update(ctx));
        std::vector<double> list;
        for (const auto& o : (*built)->outputs()) list.push_back(o.value);
        r.outputs.push_back(std::move(list));
    }
    return r;
}

Present present(const Ticks& ticks) {
    Present out;
    for (const auto& t : ticks)
        if (t) out.push_back(*t);
    return out;
}

// Values over the present ticks put back on their bars.
Series on_ticks(const Ticks& ticks, const Series& per_tick) {
    Series out(ticks.size());
    for (std::size_t i = 0, k = 0; i < ticks.size(); ++i)
        if (ticks[i]) out[i] = per_tick.at(k++);
    return out;
}

// 600 bars, every seventh without a tick: funding rates at full precision, some on a grid, flat runs (0.0001, -1/3000,
// 0), open interest 0 on the first ticks and for a stretch, no shorts, no taker sells, no taker
// volume and no liquidations on some ticks.
Ticks table_ticks() {
    Ticks out;
    std::uint64_t s = 11;
    double mark = 100.0, oi = 5000.0;
    for (int i = 0; i < 600; ++i) {
        if (i % 7 == 3) {
            out.push_back(none);
            continue;
        }
        Tick t;
        if (i >= 100 && i < 130) t.funding_rate = 0.0001;
        else if (i >= 200 && i < 230) t.funding_rate = -1.0 / 3000.0;
        else if (i >= 300 && i < 320) t.funding_rate = 0.0;
        else if (i % 3 == 0) t.funding_rate = std::round(unit(s) * 6.0) * 0.5e-4;  // ties
        else t.funding_rate = unit(s) * 3e-4;  // every sum rounds
        mark = std::fabs(mark + unit(s) * 1.5) + 1.0;
        t.mark_price = mark;
        t.index_price = mark * (1.0 + unit(s) * 1e-3);
        t.futures_price = mark + unit(s) * 0.8 + 0.3;
        oi = std::fabs(oi + unit(s) * 200.0);
        t.open_interest = (i < 5 || (i >= 50 && i < 60)) ? 0.0 : oi;
        t.long_size = 40.0 + unit(s) * 10.0;
        t.short_size = i % 11 == 0 ? 0.0 : 38.0 + unit(s) * 5.0;
        t.taker_buy_volume = i % 13 == 0 ? 0.0 : 10.0 + unit(s) * 5.0;
        t.taker_sell_volume = i % 17 == 0 || i % 13 == 0 ? 0.0 : 9.0 + unit(s) * 4.0;
        t.long_liquidation = i % 5 == 0 ? 0.0 : std::fabs(unit(s)) * 3.0;
        t.short_liquidation = i % 4 == 0 ? 0.0 : std::fabs(unit(s)) * 2.0;
        t.timestamp = i;
        out.push_back(t);
    }
    return out;
}

// ------------------------------------------------------------------ references

using Ref = std::function<Series(const Present&, const P&)>;
std::size_t len(double p) { return static_cast<std::size_t>(p); }

// f(tick) on every tick.
template <class F>
Ref each(F f) {
    return [f](const Present& ts, const P&) {
        Series out;
        for (const Tick& t : ts) out.push_back(f(t));
        return out;
    };
}

// f(tick n ticks back, tick) once there is one.
template <class F>
Ref back(F f) {
    return [f](const Present& ts, const P& p) {
        Series out(ts.size());
        for (std::size_t t = len(p[0]); t < ts.size(); ++t) out[t] = f(ts[t - len(p[0])], ts[t]);
        return out;
    };
}

Series rate_mean(const Present& ts, const P& p) {
    const std::size_t n = len(p[0]);
    Series out(ts.size());
    for (std::size_t t = n - 1; t < ts.size(); ++t) {
        double sum = 0.0;
        if ((t + 1) % n == 0 && t + 1 > n) {
            // Every n ticks the sum is taken afresh over the window and the rate about to leave.
            for (std::size_t i = t - n; i <= t; ++i) sum += ts[i].funding_rate;
            sum -= ts[t - n].funding_rate;
        } else {
            for (std::size_t i = t + 1 - n; i <= t; ++i) sum += ts[i].funding_rate;
        }
        out[t] = sum / static_cast<double>(n);
    }
    return out;
}

Series rate_z_score(const Present& ts, const P& p) {
    const std::size_t n = len(p[0]);
    Series out(ts.size());
    for (std::size_t t = n - 1; t < ts.size(); ++t) {
        double mean = 0.0, var = 0.0;
        bool flat = true;
        for (std::size_t i = t + 1 - n; i <= t; ++i) mean += ts[i].funding_rate / static_cast<double>(n);
        for (std::size_t i = t + 1 - n; i <= t; ++i) {
            var += (ts[i].funding_rate - mean) * (ts[i].funding_rate - mean) / static_cast<double>(n);
            flat = flat && same_bits(ts[i].funding_rate, ts[t].funding_rate);
        }
        out[t] = flat ? 0.0 : (ts[t].funding_rate - mean) / std::sqrt(var);
    }
    return out;
}

Series oi_weighted(const Present& ts, const P&) {
    Series out;
    for (std::size_t t = 0; t < ts.size(); ++t) {
        double num = 0.0, den = 0.0;
        for (std::size_t i = 0; i <= t; ++i) num += ts[i].open_interest * ts[i].mark_price, den += ts[i].open_interest;
        out.push_back(den == 0.0 ? ts[t].mark_price : num / den);
    }
    return out;
}

double ratio0(double a, double b) { return b == 0.0 ? 0.0 : a / b; }

struct Row {
    const char* type;
    std::vector<P> params;
    Ref ref;
    double tol = 0.0;  // relative, with a floor of 1e-4 (the scale of a funding rate)
    bool resummed = false;  // exact on every n-th tick all the same
};

const std::vector<Row>& table() {
    static const Ref premium = each([](const Tick& t) { return (t.mark_price - t.index_price) / t.index_price; });
    static const std::vector<Row> rows = {
        {"FundingRate", {{}}, each([](const Tick& t) { return t.funding_rate; })},
        {"FundingImpliedApr", {{1095}, {1095.75}}, [](const Present& ts, const P& p) {
             return each([&p](const Tick& t) { return t.funding_rate * p[0]; })(ts, p);
         }},
        {"FundingBasis", {{}}, premium},
        {"PerpetualPremiumIndex", {{}}, premium},
        {"TermStructureBasis", {{}},
         each([](const Tick& t) { return (t.futures_price - t.index_price) / t.index_price; })},
        {"CalendarSpread", {{}}, each([](const Tick& t) { return (t.futures_price - t.mark_price) / t.mark_price; })},
        {"LongShortRatio", {{}}, each([](const Tick& t) { return ratio0(t.long_size, t.short_size); })},
        {"TakerBuySellRatio", {{}},
         each([](const Tick& t) { return ratio0(t.taker_buy_volume, t.taker_sell_volume); })},
        {"OiToVolumeRatio", {{}},
         each([](const Tick& t) { return ratio0(t.open_interest, t.taker_buy_volume + t.taker_sell_volume); })},
        {"OpenInterestDelta", {{1}}, back([](const Tick& o, const Tick& t) { return t.open_interest - o.open_interest; })},
        {"OpenInterestMomentum", {{1}, {3}, {24}}, back([](const Tick& o, const Tick& t) {
             return o.open_interest > 0 ? ((t.open_interest - o.open_interest) * 100.0) / o.open_interest : 0.0;
         })},
        {"OIPriceDivergence", {{1}, {3}, {24}}, back([](const Tick& o, const Tick& t) {
             return ratio0(t.open_interest - o.open_interest, o.open_interest) - (t.mark_price - o.mark_price) / o.mark_price;
         })},
        {"OIWeighted", {{}}, oi_weighted},
        {"FundingRateMean", {{1}, {3}, {8}, {40}}, rate_mean, 1e-11, true},
        {"FundingRateZScore", {{1}, {2}, {5}, {24}}, rate_z_score, 1e-9},
    };
    return rows;
}

TEST(Derivatives, TypesMatchTheirPlainRecomputations) {
    const Ticks ticks = table_ticks();
    const Present ts = present(ticks);
    for (const Row& row : table())
        for (P params : row.params) {
            // OpenInterestDelta takes no parameter; its reference reads one tick back.
            const P built = std::string(row.type) == "OpenInterestDelta" ? P{} : params;
            const Fed got = feed(row.type, built, ticks);
            Series want = on_ticks(ticks, row.ref(ts, params));
            // Exact wherever the mean's sum has just been taken afresh (every n-th tick).
            std::vector<double> tols(ticks.size(), row.tol);
            for (std::size_t i = 0, k = 0; i < ticks.size() && row.tol != 0.0 && row.resummed; ++i)
                if (ticks[i] && ++k % len(params[0]) == 0) tols[i] = 0.0;
            expect_series(got.values, want, [&tols](std::size_t i) { return tols[i]; }, describe(row.type, built), 1e-4);
            EXPECT_EQ(first_value_bar(got.values), first_value_bar(want)) << describe(row.type, built);
        }
}

// ------------------------------------------------------------------ worked cases and edges

Tick tick(double funding, double mark = 100, double index = 100, double futures = 100, double oi = 10,
          double long_size = 1, double short_size = 1, double buy = 1, double sell = 1, double long_liq = 0,
          double short_liq = 0) {
    return {funding, mark, index, futures, oi, long_size, short_size, buy, sell, long_liq, short_liq, 0};
}
Tick oi_mark(double oi, double mark) { return tick(0, mark, 100, 100, oi); }

struct Pin {
    const char* type;
    P params;
    Ticks ticks;
    Series want;  // every bar
};

TEST(Derivatives, WorkedCasesAndEdges) {
    const std::vector<Pin> pins = {
        // A bar without a tick advances nothing: ticks on bars 1, 2, 4 and 5.
        {"FundingRateMean", {3}, {tick(0.25), tick(0.5), none, tick(0.75), tick(2.25)}, {none, none, none, 0.5, 3.5 / 3.0}},
        {"OpenInterestDelta", {}, {none, oi_mark(10, 1), none, oi_mark(12.5, 1), oi_mark(7, 1)}, {none, none, none, 2.5, -5.5}},
        // Period 1 compares with the tick just before.
        {"OpenInterestMomentum", {1}, {oi_mark(10, 1), none, oi_mark(12.5, 1)}, {none, none, 25.0}},
        {"OIPriceDivergence", {1}, {oi_mark(10, 4), oi_mark(12.5, 5)}, {none, 0.0}},
        // An open interest of 0 period ticks back: 0, and the divergence is minus the mark change.
        {"OpenInterestMomentum", {2}, {oi_mark(0, 1), oi_mark(5, 1), oi_mark(9, 1), oi_mark(6, 1)}, {none, none, 0.0, 20.0}},
        {"OIPriceDivergence", {2}, {oi_mark(0, 4), oi_mark(5, 5), oi_mark(9, 5)}, {none, none, -0.25}},
        // Equal rates, and period 1: a variance of 0 gives 0.
        {"FundingRateZScore", {3}, {tick(0.1), tick(0.1), tick(0.1), none, tick(0.1)}, {none, none, 0.0, none, 0.0}},
        {"FundingRateZScore", {1}, {tick(0.1), tick(-3), tick(7e-5)}, {0.0, 0.0, 0.0}},
        // Rates varying, then flat for a whole window: the anchored sums keep a residue of 5.3e-23,
        // which alone would give -1.49e-8.
        {"FundingRateZScore", {4},
         {tick(-0.00030000000000000003), tick(-0.0001), tick(0.0001), tick(0.000713), tick(0.000713), tick(0.000713),
          tick(0.000713)},
         {none, none, none, 1.6072136062250673, 0.9808912609158961, 0.5773502691896255, 0.0}},
        // Zero denominators.
        {"TakerBuySellRatio", {}, {tick(0, 1, 1, 1, 1, 1, 1, 3, 0), tick(0, 1, 1, 1, 1, 1, 1, 3, 2)}, {0.0, 1.5}},
        {"LongShortRatio", {}, {tick(0, 1, 1, 1, 1, 3, 0), tick(0, 1, 1, 1, 1, 3, 4)}, {0.0, 0.75}},
        {"OiToVolumeRatio", {}, {tick(0, 1, 1, 1, 7, 1, 1, 0, 0), tick(0, 1, 1, 1, 7, 1, 1, 1.5, 2)}, {0.0, 2.0}},
        // The mark while every open interest is 0; later a tick with none changes nothing.
        {"OIWeighted", {}, {oi_mark(0, 3), oi_mark(0, 5), oi_mark(2, 10), oi_mark(6, 20), oi_mark(0, 99)},
         {3.0, 5.0, 10.0, 17.5, 17.5}},
    };
    for (const Pin& p : pins) {
        const Fed got = feed(p.type, p.params, p.ticks);
        expect_series(got.values, p.want, 0.0, describe(p.type, p.params));
    }
}

TEST(Derivatives, LiquidationFeaturesPublishesItsBreakdown) {
    // Both liquidations 0: every output 0.
    EXPECT_EQ(feed("LiquidationFeatures", {}, {tick(0)}).outputs[0], std::vector<double>(5, 0.0));
    auto built = build_indicator("LiquidationFeatures", {});
    ASSERT_TRUE(built);
    const auto names = (*built)->output_names();
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.end()),
              (std::vector<std::string>{"long", "short", "net", "total", "imbalance"}));

    // Over the table, against the breakdown of each tick; the list survives a bar without a tick.
    const Ticks all = table_ticks();
    const Fed fed = feed("LiquidationFeatures", {}, all);
    std::vector<double> last;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i]) {
            const double l = all[i]->long_liquidation, s = all[i]->short_liquidation;
            last = {l, s, l - s, l + s, l + s == 0 ? 0.0 : (l - s) / (l + s)};
            ASSERT_TRUE(fed.values[i] && same_bits(*fed.values[i], l)) << i;
        }
        ASSERT_EQ(fed.outputs[i], last) << i;
    }
}

// ------------------------------------------------------------------ derived values that overflow

// The ticks `bad` spliced in before bar `at` give no value, and every other bar gives, bit for
// bit and outputs included, what the ticks without them give.
void expect_refused(const char* type, const P& params, Ticks ticks, std::size_t at, const std::vector<Tick>& bad) {
    const Fed without = feed(type, params, ticks);
    ticks.insert(ticks.begin() + static_cast<std::ptrdiff_t>(at), bad.begin(), bad.end());
    const Fed with = feed(type, params, ticks);
    Series want = without.values;
    want.insert(want.begin() + static_cast<std::ptrdiff_t>(at), bad.size(), none);
    expect_series(with.values, want, 0.0, describe(type, params) + " refusing at " + std::to_string(at));
    for (std::size_t i = 0, k = 0; i < with.outputs.size(); ++i) {
        if (i >= at && i < at + bad.size()) {
            EXPECT_EQ(with.outputs[i], i == 0 ? std::vector<double>{} : with.outputs[i - 1]) << type << " bar " << i;
            continue;
        }
        EXPECT_EQ(with.outputs[i], without.outputs[k++]) << type << " bar " << i;
    }
}

TEST(Derivatives, DerivedValuesThatOverflowAreRefused) {
    const Ticks ticks = table_ticks();
    const Ticks head(ticks.begin(), ticks.begin() + 80);
    const std::vector<std::size_t> anywhere = {0, 9, 40, 79};
    struct Case {
        const char* type;
        P params;
        std::vector<Tick> bad;
        Ticks base;
        std::vector<std::size_t> at;
    };
    const std::vector<Case> cases = {
        {"FundingImpliedApr", {1e10}, {tick(1e300)}, head, anywhere},
        {"FundingBasis", {}, {tick(0, 1e308, 1e-10)}, head, anywhere},
        {"PerpetualPremiumIndex", {}, {tick(0, 1e308, 1e-10)}, head, anywhere},
        {"TermStructureBasis", {}, {tick(0, 1, 1e-10, 1e308)}, head, anywhere},
        {"CalendarSpread", {}, {tick(0, 1e-10, 1, 1e308)}, head, anywhere},
        {"LongShortRatio", {}, {tick(0, 1, 1, 1, 1, 1e308, 1e-10)}, head, anywhere},
        {"TakerBuySellRatio", {}, {tick(0, 1, 1, 1, 1, 1, 1, 1e308, 1e-10)}, head, anywhere},
        // A taker volume whose sum overflows (its ratio would read 0.0), and a ratio that does.
        {"OiToVolumeRatio", {}, {tick(0, 1, 1, 1, 1e308, 1, 1, 1e308, 1e308), tick(0, 1, 1, 1, 1e308, 1, 1, 1e-10, 0)},
         head, anywhere},
        {"LiquidationFeatures", {}, {tick(0, 1, 1, 1, 1, 1, 1, 1, 1, 1.7e308, 1.7e308)}, head, anywhere},
        // Open interest times mark, and the sum of open interest.
        {"OIWeighted", {}, {oi_mark(1e200, 1e200)}, head, anywhere},
        {"OIWeighted", {}, {oi_mark(1e308, 1)}, {oi_mark(1e308, 1e-300), oi_mark(1, 2), oi_mark(0, 3)}, {1, 2}},
    };
    for (const Case& c : cases)
        for (std::size_t at : c.at) expect_refused(c.type, c.params, c.base, at, c.bad);
    // The sum of the second rate overflows; the state is as after the first.
    const Fed mean = feed("FundingRateMean", {2}, {tick(1.7e308), tick(1.7e308), tick(-1.7e308), tick(1)});
    expect_series(mean.values, {none, none, 0.0, -8.5e307});
}

// A change over N ticks that overflows (times 100, or from a tiny open interest or mark) is no
// value, and the tick still enters the window: the tiny value leaves in its turn, and the values
// after it are the plain ones.
TEST(Derivatives, ChangesThatOverflowGiveNoValueAndTheWindowMovesOn) {
    const Ticks all = table_ticks();
    const Ticks base(all.begin(), all.begin() + 80);
    const std::vector<std::vector<Tick>> bad = {
        {oi_mark(1e307, 1)},
        {oi_mark(1e-300, 1), oi_mark(1e10, 1), oi_mark(2e6, 1), oi_mark(3e6, 1), oi_mark(4e6, 1)},
        {oi_mark(1e-320, 1), oi_mark(1e300, 2), oi_mark(5, 1e-300), oi_mark(5, 1e300), oi_mark(6, 2)},
    };
    int refused = 0;
    for (const char* type : {"OpenInterestMomentum", "OIPriceDivergence"})
        for (double n : {1.0, 2.0, 3.0})
            for (const auto& b : bad)
                for (std::ptrdiff_t at : {0, 9, 40}) {
                    Ticks ticks = base;
                    ticks.insert(ticks.begin() + at, b.begin(), b.end());
                    const Row& row = *std::find_if(table().begin(), table().end(),
                                                   [type](const Row& r) { return std::string(r.type) == type; });
                    Series want = on_ticks(ticks, row.ref(present(ticks), {n}));
                    for (auto& v : want)
                        if (v && !std::isfinite(*v)) v = none, ++refused;
                    expect_series(feed(type, {n}, ticks).values, want, 0.0,
                                  describe(type, {n}) + " at " + std::to_string(at));
                }
    EXPECT_GT(refused, 30);
}

// A rate whose deviation squared overflows is taken: no value while the window holds it, nor until
// the sums are re-anchored after it has left (at most a window later), and never a value that is
// not the window's z-score. A huge first rate, the anchor, does not block the later ones.
TEST(Derivatives, HugeFundingRatesGiveNoValueUntilTheSumsAreWholeAgain) {
    const Ticks table = table_ticks();
    for (std::size_t n : {3, 5, 8})
        for (std::size_t at : {0, 1, 40, 41, 42}) {
            for (double huge : {1e200, -1e300, 2e154}) {
                Ticks ticks(table.begin(), table.begin() + 90);
                ticks.insert(ticks.begin() + static_cast<std::ptrdiff_t>(at), tick(huge));
                const Present ts = present(ticks);
                const Series want = on_ticks(ticks, rate_z_score(ts, {static_cast<double>(n)}));
                const Fed got = feed("FundingRateZScore", {static_cast<double>(n)}, ticks);
                const std::string what = describe("FundingRateZScore", {double(n)}) + " huge at " + std::to_string(at);
                std::size_t k = 0, k_huge = 0, last_gap = 0;
                for (std::size_t i = 0; i < ticks.size(); ++i) {
                    if (!ticks[i]) continue;
                    if (i == at) k_huge = k;
                    const bool holds = i >= at && k < k_huge + n;
                    if (holds || !got.values[i]) {
                        EXPECT_FALSE(holds && got.values[i]) << what << ", bar " << i;
                        if (k + 1 >= n && !holds) last_gap = k;
                    } else {
                        ASSERT_TRUE(want[i]) << what << ", bar " << i;
                        EXPECT_NEAR(*got.values[i], *want[i], 1e-9 * std::max(1.0, std::fabs(*want[i]))) << what << ", bar " << i;
                    }
                    ++k;
                }
                EXPECT_LT(last_gap, k_huge + 2 * n) << what;
            }
        }
}

}  // namespace
}  // namespace prynox
