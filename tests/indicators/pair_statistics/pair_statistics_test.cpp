// The rolling pair statistics, built from the registry and fed closes with a reference series,
// against plain recomputations over the pairs each type takes: exact on the bars whose moment
// sums were just rebuilt (and on every bar for the types without running sums), close elsewhere;
// windows of a constant series give their promised values exactly; the worked cases; inputs that
// cannot be taken change nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"
#include "support/pair_feed.hpp"

namespace prynox {
namespace {

using test::Series;
using Vec = std::vector<double>;
using Opt = std::optional<double>;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Opt N = std::nullopt;
constexpr double kDrift = 1e-6;  // between the rebuilds of the running sums

struct Pt {
    double x, y;
};

using test::pairs;
using test::Pairs;
Series values(const std::string& type, const Vec& params, const Pairs& d) { return test::run_pairs(type, params, d).values; }

// A walk with jumps; a reference that follows it loosely (flat while the close moves at bars
// 60..99, moving while the close is flat at 120..150, both flat at 135..150); gaps of either
// series; zeros, negatives and a -0.0 that the log types refuse; then a close equal to the
// reference plus a constant.
Pairs table_pairs() {
    Pairs d;
    d.closes = test::varied_closes(420, 5, true);
    std::uint64_t s = 17;
    double r = 40.0;
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        const double c = d.closes[i];
        if (!(i >= 60 && i < 100) && !(i >= 135 && i <= 150))
            r = std::isfinite(c) ? 0.5 * c + 0.3 * r + test::unit(s) * 2.0 : r + test::unit(s);
        d.refs.push_back(i % 53 == 7 ? N : (i % 61 == 30 ? Opt(kNaN) : Opt(r)));
    }
    for (std::size_t i : {171u, 172u, 240u, 300u}) d.closes[i] = i == 240 ? -0.0 : (i == 300 ? -4.0 : 0.0);
    d.refs[260] = 0.0, d.refs[261] = -2.5;
    for (int i = 0; i < 40; ++i) {
        const double ref = 80.0 + 10.0 * std::sin(i * 0.7);
        d.closes.push_back(ref + 2.5), d.refs.push_back(ref);
    }
    return d;
}

// ------------------------------------------------------------------ plain recomputations

// Population moments of w (oldest first) as the shifted sums stand right after a rebuild:
// deviations from the plain means. A series equal throughout has no variance and no covariance.
struct Moments {
    double mean_x, mean_y, var_x, var_y, cov;
};
Moments moments(const std::vector<Pt>& w) {
    const double n = static_cast<double>(w.size());
    double mx = 0.0, my = 0.0, sx = 0.0, sy = 0.0, sxx = 0.0, syy = 0.0, sxy = 0.0;
    bool flat_x = true, flat_y = true;
    for (const Pt& p : w) mx += p.x, my += p.y, flat_x &= p.x == w[0].x, flat_y &= p.y == w[0].y;
    mx /= n, my /= n;
    for (const Pt& p : w) {
        const double dx = p.x - mx, dy = p.y - my;
        sx += dx, sy += dy, sxx += dx * dx, syy += dy * dy, sxy += dx * dy;
    }
    const double ax = sx / n, ay = sy / n, vx = sxx / n - ax * ax, vy = syy / n - ay * ay;
    return {mx + ax, my + ay, flat_x || !(vx > 0.0) ? 0.0 : vx, flat_y || !(vy > 0.0) ? 0.0 : vy,
            flat_x || flat_y ? 0.0 : sxy / n - ax * ay};
}

double correlation(double vx, double vy, double cov) {
    return vx * vy == 0.0 ? 0.0 : std::clamp(cov / std::sqrt(vx * vy), -1.0, 1.0);
}

// Mean of the places of v among w by ==: (2 * below + equal + 1) / 2.
double rank_in(const Vec& w, double v) {
    std::size_t below = 0, equal = 0;
    for (double u : w) below += u < v, equal += u == v;
    return static_cast<double>(2 * below + equal + 1) / 2.0;
}

// What a type takes from a bar: the pair (or only a positive one), its changes or log returns;
// with the bar.
enum class Takes { Pairs, Positive, Differences, LogReturns };
struct Inputs {
    std::vector<Pt> v;
    std::vector<std::size_t> bar;
};
Inputs inputs_of(const Pairs& d, Takes takes) {
    Inputs in;
    std::optional<Pt> previous;
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        const double c = d.closes[i];
        if (!d.refs[i] || !std::isfinite(c) || !std::isfinite(*d.refs[i])) continue;
        const double r = *d.refs[i];
        if ((takes == Takes::LogReturns || takes == Takes::Positive) && !(c > 0.0 && r > 0.0)) continue;
        Pt x{c, r};
        if (takes > Takes::Positive && !previous) {
            previous = x;
            continue;
        }
        if (takes == Takes::Differences) x = {c - previous->x, r - previous->y};
        if (takes == Takes::LogReturns) x = {std::log(c / previous->x), std::log(r / previous->y)};
        in.v.push_back(x), in.bar.push_back(i), previous = Pt{c, r};
    }
    return in;
}

// The value of a type over window w of its inputs (the newest last); `bar` is the newest pair.
double value_of(const std::string& type, const Vec& p, const std::vector<Pt>& w, Pt bar) {
    const double n = static_cast<double>(w.size());
    if (type == "DistanceSsd") {
        if (w[0].x == 0.0 || w[0].y == 0.0) return 0.0;
        double sum = 0.0;
        for (const Pt& q : w) sum += (q.x / w[0].x - q.y / w[0].y) * (q.x / w[0].x - q.y / w[0].y);
        return sum;
    }
    if (type == "KendallTau") {
        std::int64_t c = 0, d = 0, tx = 0, ty = 0;
        for (std::size_t i = 0; i < w.size(); ++i)
            for (std::size_t j = i + 1; j < w.size(); ++j) {
                const double sx = w[j].x - w[i].x, sy = w[j].y - w[i].y;
                tx += sx == 0.0, ty += sy == 0.0;
                if (sx != 0.0 && sy != 0.0) (sx > 0.0) == (sy > 0.0) ? ++c : ++d;
            }
        const double n0 = n * (n - 1.0) / 2.0, q = (n0 - static_cast<double>(tx)) * (n0 - static_cast<double>(ty));
        return q == 0.0 ? 0.0 : std::clamp(static_cast<double>(c - d) / std::sqrt(q), -1.0, 1.0);
    }
    if (type == "SpearmanCorrelation") {
        Vec xs, ys;
        for (const Pt& q : w) xs.push_back(q.x), ys.push_back(q.y);
        double sa = 0.0, sb = 0.0, saa = 0.0, sbb = 0.0, sab = 0.0;
        for (const Pt& q : w) {
            const double a = rank_in(xs, q.x), b = rank_in(ys, q.y);
            sa += a, sb += b, saa += a * a, sbb += b * b, sab += a * b;
        }
        const double va = saa / n - (sa / n) * (sa / n), vb = sbb / n - (sb / n) * (sb / n);
        return correlation(std::max(va, 0.0), std::max(vb, 0.0), sab / n - (sa / n) * (sb / n));
    }
    if (type == "InformationRatio") {
        std::vector<Pt> diffs;
        for (const Pt& q : w) diffs.push_back({q.x - q.y, 0.0});
        const Moments m = moments(diffs);
        // The sample variance: (S2 - n (S1 / n)^2) / (n - 1) from the population one's terms.
        double sum = 0.0, s1 = 0.0, s2 = 0.0;
        for (const Pt& q : diffs) sum += q.x;
        for (const Pt& q : diffs) s1 += q.x - sum / n, s2 += (q.x - sum / n) * (q.x - sum / n);
        const double u = s1 / n, v = m.var_x == 0.0 ? 0.0 : std::max((s2 - n * (u * u)) / (n - 1.0), 0.0);
        return v == 0.0 ? 0.0 : m.mean_x / std::sqrt(v);
    }
    if (type == "EstimatedLeverageRatio") return bar.y > 0.0 ? bar.x / bar.y : 0.0;
    const Moments m = moments(w);
    const double beta = m.var_y == 0.0 ? 0.0 : m.cov / m.var_y;
    if (type == "Alpha") return m.var_y == 0.0 ? m.mean_x - p[1] : m.mean_x - (p[1] + beta * (m.mean_y - p[1]));
    if (type == "Beta" || type == "PairwiseBeta") return beta;
    if (type == "BetaNeutralSpread") return bar.x - ((m.mean_x - beta * m.mean_y) + beta * bar.y);
    if (type == "TreynorRatio") return beta == 0.0 ? 0.0 : (m.mean_x - p[1]) / beta;
    if (type == "RollingCovariance") return m.cov;
    return correlation(m.var_x, m.var_y, m.cov);  // PearsonCorrelation, RollingCorrelation
}

// PairSpreadZScore over its pairs: the stage-1 beta of ln close on ln reference, the spread,
// and its population z-score over the last z spreads.
Series spread_z(const Inputs& in, std::size_t nb, std::size_t nz) {
    Series out(in.v.size());
    std::vector<Pt> logs, spreads;
    for (std::size_t t = 0; t < in.v.size(); ++t) {
        logs.push_back({std::log(in.v[t].y), std::log(in.v[t].x)});
        if (logs.size() < nb) continue;
        const Moments m = moments(std::vector<Pt>(logs.end() - nb, logs.end()));
        const double beta = m.var_x == 0.0 ? 0.0 : m.cov / m.var_x;
        spreads.push_back({logs.back().y - beta * logs.back().x, 0.0});
        if (spreads.size() < nz) continue;
        const Moments z = moments(std::vector<Pt>(spreads.end() - nz, spreads.end()));
        out[t] = z.var_x == 0.0 ? 0.0 : (spreads.back().x - z.mean_x) / std::sqrt(z.var_x);
    }
    return out;
}

struct Row {
    const char* type;
    std::vector<Vec> params;
    Takes takes;
    bool sums;        // running moment sums: exact only on the bars they were rebuilt
    bool flat_fixed;  // a window of a constant series gives a fixed value, exactly
};

TEST(PairStatisticsTest, EveryTypeAgainstItsDefinition) {
    const std::vector<Row> rows = {
        {"Alpha", {{2, 0.0}, {5, 0.01}, {20, -3.0}}, Takes::Pairs, true, false},
        {"Beta", {{2}, {5}, {20}, {33}}, Takes::Pairs, true, true},
        {"BetaNeutralSpread", {{2}, {7}, {20}}, Takes::Pairs, true, false},
        {"TreynorRatio", {{2, 0.0}, {6, 0.5}, {20, 1.0}}, Takes::Pairs, true, true},
        {"PearsonCorrelation", {{2}, {5}, {20}}, Takes::Pairs, true, true},
        {"RollingCorrelation", {{2}, {5}, {20}}, Takes::Differences, true, true},
        {"RollingCovariance", {{2}, {5}, {20}}, Takes::Differences, true, true},
        {"PairwiseBeta", {{2}, {5}, {20}}, Takes::LogReturns, true, true},
        {"InformationRatio", {{2}, {5}, {20}}, Takes::Pairs, true, true},
        {"DistanceSsd", {{2}, {5}, {20}}, Takes::Pairs, false, false},
        {"KendallTau", {{2}, {3}, {8}, {20}, {33}}, Takes::Pairs, false, false},
        {"SpearmanCorrelation", {{2}, {4}, {9}, {20}}, Takes::Pairs, false, false},
        {"EstimatedLeverageRatio", {{}}, Takes::Pairs, false, false},
    };
    const Pairs d = table_pairs();
    for (const Row& row : rows) {
        const Inputs in = inputs_of(d, row.takes);
        for (const Vec& p : row.params) {
            const std::size_t n = p.empty() ? 1 : static_cast<std::size_t>(p[0]);
            Series want(d.closes.size());
            Vec tol(d.closes.size(), 0.0);
            for (std::size_t t = n - 1; t < in.v.size(); ++t) {
                const std::vector<Pt> w(in.v.begin() + static_cast<std::ptrdiff_t>(t + 1 - n), in.v.begin() + static_cast<std::ptrdiff_t>(t + 1));
                const std::size_t bar = in.bar[t];
                want[bar] = value_of(row.type, p, w, Pt{d.closes[bar], d.refs[bar].value_or(kNaN)});
                bool flat = false;
                for (auto of : {&Pt::x, &Pt::y})
                    flat |= std::all_of(w.begin(), w.end(), [&](const Pt& q) { return q.*of == w[0].*of; });
                if (row.type == std::string("InformationRatio"))
                    flat = std::all_of(w.begin(), w.end(), [&](const Pt& q) { return q.x - q.y == w[0].x - w[0].y; });
                const bool exact = !row.sums || (t + 1) % n == 0 || (flat && row.flat_fixed);
                tol[bar] = exact ? 0.0 : kDrift;
            }
            test::expect_series(values(row.type, p, d), want, [&tol](std::size_t i) { return tol[i]; },
                                test::describe(row.type, p));
        }
    }
    for (auto [nb, nz] : {std::pair{2u, 2u}, {3u, 7u}, {20u, 10u}}) {
        const Inputs positive = inputs_of(d, Takes::Positive);
        const Series per = spread_z(positive, nb, nz);
        Series want(d.closes.size());
        for (std::size_t t = 0; t < per.size(); ++t) want[positive.bar[t]] = per[t];
        const Vec p = {static_cast<double>(nb), static_cast<double>(nz)};
        test::expect_series(values("PairSpreadZScore", p, d), want, kDrift, test::describe("PairSpreadZScore", p));
    }
}

// The z-score's windows push along three paths (storage still growing, a rebuild of the sums,
// neither), which must give the same bits; the plain recomputation above only bounds the drift.
// A digest of every value's bits over the table pins them.
TEST(PairStatisticsTest, PairSpreadZScoreBitsStayFixed) {
    const Pairs d = table_pairs();
    struct Case {
        Vec params;
        std::uint64_t digest;
    };
    const Case cases[] = {
        {{20, 10}, 13860732619120467484ull}, {{2, 2}, 10241096159406587292ull}, {{3, 7}, 8496938976009451599ull},
        {{7, 3}, 16887366021642207609ull},   {{50, 30}, 11455172212095880104ull},
    };
    for (const Case& c : cases) {
        std::uint64_t h = 14695981039346656037ull;
        for (const Opt& v : values("PairSpreadZScore", c.params, d))
            h = (h ^ (v ? std::bit_cast<std::uint64_t>(*v) : 7u)) * 1099511628211ull;
        EXPECT_EQ(h, c.digest) << test::describe("PairSpreadZScore", c.params);
    }
}

// ------------------------------------------------------------------ worked cases

TEST(PairStatisticsTest, WorkedCases) {
    // Closes that turn flat while the reference moves: the running sums keep a covariance of
    // 2.8e-17 and a beta of 6.6e-17, which as written gives a Treynor ratio of 1.5e15.
    const Pairs flat_close = pairs({0.7, 0.6, 0.1, 0.1, 0.1}, {1, 2.5, 0.7, 1.9, 0.4});
    const double mean_close = 0.10000000000000009;  // the shifted mean keeps its last bits
    // Closes 1, 2, 2, 3 rank 1, 2.5, 2.5, 4 against references ranked 1 to 4; -0.0 ties with 0.0.
    const double va = 29.5 / 4 - 6.25, vb = 30.0 / 4 - 6.25, sp = (1 + 5 + 7.5 + 16) / 4.0 - 6.25;
    test::expect_pair_pins({
        {"TreynorRatio", {3, 0.0}, flat_close, {0.0}},
        {"Beta", {3}, flat_close, {0.0}},
        {"Alpha", {3, 0.02}, flat_close, {mean_close - 0.02}},
        {"SpearmanCorrelation", {4}, pairs({1, 2, 2, 3}, {1, 2, 3, 4}), {sp / std::sqrt(va * vb)}},
        {"SpearmanCorrelation", {4}, pairs({0.0, 1, -0.0, 3}, {1, 3, 2, 4}), {sp / std::sqrt(va * vb)}},
        {"SpearmanCorrelation", {3}, pairs({-1, -2, -3}, {1, 2, 3}), {(10.0 / 3 - 4) / std::sqrt((14.0 / 3 - 4) * (14.0 / 3 - 4))}},
        // A reference of 0 or below gives 0; a ratio that overflows gives nothing.
        {"EstimatedLeverageRatio", {}, pairs({2, 2, 1e10, 3}, {0, -1, 5e-324, 4}), {0.0, 0.0, N, 0.75}},
        // The ratio's product of variances overflows: no value where the text would give 0.
        {"PearsonCorrelation", {2}, pairs({1e100, -1e100, 1e100}, {1e100, -1e100, 1e100}), {N, N, N}},
        {"Beta", {2}, pairs({1e100, -1e100, 1e100}, {1e100, -1e100, 1e100}), {N, 1.0, 1.0}},
        // A change beyond the doubles is refused; the next is taken from its pair: no change of the
        // close, so no covariance and no correlation.
        {"RollingCovariance", {2}, pairs({-1e308, 1e308, 1e308, 1e308}, {0, 1, 2, 4}), {N, N, N, 0.0}},
        {"RollingCorrelation", {2}, pairs({-1e308, 1e308, 1e308, 1e308}, {0, 1, 2, 4}), {N, N, N, 0.0}},
    });
    // Log returns ln 2 and ln 4 of both series after a refused one (1e300 / 1e-300): a beta of 1.
    const Series beta = run_pairs("PairwiseBeta", {2}, pairs({1e-300, 1e300, 2e300, 8e300}, {1, 2, 4, 16})).values;
    EXPECT_TRUE(!beta[1] && !beta[2]);
    EXPECT_NEAR(beta[3].value_or(0), 1.0, 1e-12);
}

// ------------------------------------------------------------------ inputs that cannot be taken

using test::expect_spliced;

TEST(PairStatisticsTest, InputsThatCannotBeTakenChangeNothing) {
    const Pairs d = table_pairs();
    // Deviations that cannot be squared, in either series.
    for (const char* type : {"Alpha", "Beta", "BetaNeutralSpread", "TreynorRatio", "PearsonCorrelation"})
        for (std::size_t at : {2u, 30u, 200u})
            expect_spliced(type, type[0] == 'A' || type[0] == 'T' ? Vec{5, 0.1} : Vec{5}, d, at,
                           pairs({1e300, 50.0, -1.7e308}, {50.0, -1e300, 1.7e308}));
    // Log returns that overflow, then the pair before them (whose returns from the first overflow
    // too): the next returns are taken from it, as without them.
    const Pairs tiny = pairs({1.0, 2.0, 1e-300, 3.0, 2.0, 5.0, 4.0, 6.0, 5.5}, {1.0, 1.5, 2.0, 1e-300, 2.5, 4.0, 3.0, 4.5, 5.0});
    expect_spliced("PairwiseBeta", {2}, tiny, 3, pairs({1e300, 1e-300}, {2.0, 2.0}));
    // Prices of 0 or below give no log return, so the next return spans the gap.
    for (double bad : {0.0, -0.0, -2.0}) {
        expect_spliced("PairwiseBeta", {2}, tiny, 5, pairs({bad}, {3.0}));
        expect_spliced("PairwiseBeta", {3}, tiny, 6, pairs({3.0}, {bad}));
        expect_spliced("PairSpreadZScore", {2, 3}, tiny, 6, pairs({bad, 2.0}, {3.0, bad}));
    }
    expect_spliced("PairwiseBeta", {2}, tiny, 4, pairs({3.0, 3.0}, {1e300, 1e-300}));
    expect_spliced("InformationRatio", {2}, d, 50, pairs({1.7e308}, {-1.7e308}));
}

// Hostile pairs: huge and tiny values of both signs, ulp steps beside flat runs, a reference
// that mirrors, repeats or ignores the close. No type gives a NaN or an infinity; the
// correlations stay in [-1, 1] and the distance is never negative.
TEST(PairStatisticsTest, HostilePairsAndLongWindows) {
    Vec closes;
    for (int round = 0; round < 4; ++round)
        for (double v : {1e300, 1e-300, -1e300, 1.7e308, -1.7e308, 5e-324, 1e154, -1e154, 2.0, 3.0, 8e307, 1e-310, 100.0})
            closes.push_back(round % 2 ? v * 0.75 : v);
    double x = 0.05;
    for (int i = 0; i < 60; ++i) closes.push_back(i % 3 == 0 ? x = std::nextafter(x, 1.0) : x);
    std::vector<Pairs> data;
    for (int k = 0; k < 4; ++k) {
        Pairs d;
        for (std::size_t i = 0; i < closes.size(); ++i) {
            const double c = closes[i], other = closes[(i * 7 + 3) % closes.size()];
            d.closes.push_back(c), d.refs.push_back(k == 0 ? -c : k == 1 ? c * 0.5 : k == 2 ? 0.1 : other);
        }
        data.push_back(d);
    }
    const std::vector<std::pair<std::string, Vec>> types = {
        {"Alpha", {3, 0.5}}, {"Beta", {3}}, {"BetaNeutralSpread", {3}}, {"TreynorRatio", {3, 0.5}},
        {"PearsonCorrelation", {3}}, {"RollingCorrelation", {3}}, {"RollingCovariance", {3}}, {"PairwiseBeta", {3}},
        {"PairSpreadZScore", {3, 3}}, {"InformationRatio", {3}}, {"DistanceSsd", {3}}, {"KendallTau", {3}},
        {"SpearmanCorrelation", {3}}, {"EstimatedLeverageRatio", {}}};
    for (const auto& [type, params] : types)
        for (const Pairs& d : data) {
            const Series got = values(type, params, d);
            const bool unit = type.find("Correlation") != std::string::npos || type == "KendallTau";
            for (std::size_t i = 0; i < got.size(); ++i)
                ASSERT_TRUE(!got[i] || (std::isfinite(*got[i]) && (!unit || std::fabs(*got[i]) <= 1.0) &&
                                        (type != "DistanceSsd" || *got[i] >= 0.0)))
                    << type << " over data " << (&d - data.data()) << ", bar " << i << ": " << *got[i];
        }
    // Lengths far beyond the data: the windows grow with it.
    Pairs d;
    for (int i = 0; i < 500; ++i) d.closes.push_back(100 + i % 7), d.refs.push_back(50 + i % 5);
    test::expect_lengths_beyond({{"Beta", {16777216}, 0}, {"KendallTau", {16777216}, 0}, {"SpearmanCorrelation", {16777216}, 0},
                                 {"DistanceSsd", {16777216}, 0}, {"PairSpreadZScore", {16777216, 16777216}, 0},
                                 {"RollingCovariance", {16777216}, 0}}, d);
}

}  // namespace
}  // namespace prynox
