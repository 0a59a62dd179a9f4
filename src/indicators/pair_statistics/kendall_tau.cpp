#include "indicators/pair_statistics/kendall_tau.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <span>

#include "indicators/cores/period_checks.hpp"

namespace prynox {

namespace {

// What classifying pairs against one pair adds: concordant less discordant, tied in x, tied in y.
struct Tally {
    std::int64_t score = 0;
    std::int64_t tied_x = 0;
    std::int64_t tied_y = 0;
};

// Two pairs at a time on two-lane vectors, compared exactly as the scalar tail compares them; a
// comparison gives -1 in a lane where it holds. The counts are integers, so the order in which
// they are added cannot change them. Without branches: on a random window the directions are a
// coin toss for the branch predictor.
using Lanes = double __attribute__((vector_size(16)));
using Masks = std::int64_t __attribute__((vector_size(16)));

struct LaneTally {
    Masks score = {0, 0};    // +1 per concordant pair, -1 per discordant one
    Masks moved_x = {0, 0};  // -1 per pair not tied in x
    Masks moved_y = {0, 0};  // -1 per pair not tied in y

    void add(Lanes x, Lanes y, const XY& r) {
        const Lanes rx = {r.x, r.x}, ry = {r.y, r.y};
        const Masks ltx = x < rx, gtx = x > rx, lty = y < ry, gty = y > ry;
        score += ((ltx & gty) | (gtx & lty)) - ((ltx & lty) | (gtx & gty));
        moved_x += ltx | gtx;
        moved_y += lty | gty;
    }
    void into(Tally& t, std::int64_t pairs) const {
        t.score += score[0] + score[1];
        t.tied_x += pairs + (moved_x[0] + moved_x[1]);
        t.tied_y += pairs + (moved_y[0] + moved_y[1]);
    }
};

void classify(const XY& a, const XY& b, Tally& t) {
    const int sx = static_cast<int>(a.x < b.x) - static_cast<int>(a.x > b.x);
    const int sy = static_cast<int>(a.y < b.y) - static_cast<int>(a.y > b.y);
    // Inputs are finite: equal exactly when neither is below the other.
    t.score += sx * sy;
    t.tied_x += sx == 0;
    t.tied_y += sy == 0;
}

// Every pair of `run` against the entering pair and, when the window is full, the leaving one.
template <bool kLeaving>
void tally_run(std::span<const XY> run, const XY& entering, const XY& leaving, Tally& in, Tally& out) {
    LaneTally lin, lout;
    std::size_t i = 0;
    for (; i + 2 <= run.size(); i += 2) {
        Lanes a, b;
        std::memcpy(&a, &run[i], sizeof a);
        std::memcpy(&b, &run[i + 1], sizeof b);
        const Lanes x = __builtin_shufflevector(a, b, 0, 2), y = __builtin_shufflevector(a, b, 1, 3);
        lin.add(x, y, entering);
        if constexpr (kLeaving) lout.add(x, y, leaving);
    }
    lin.into(in, static_cast<std::int64_t>(i));
    if constexpr (kLeaving) lout.into(out, static_cast<std::int64_t>(i));
    if (i < run.size()) {
        classify(run[i], entering, in);
        if constexpr (kLeaving) classify(run[i], leaving, out);
    }
}

}  // namespace

std::expected<KendallTau, IndicatorError> KendallTau::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kKendallTauPeriodMessage)) return std::unexpected(*e);
    return KendallTau(period);
}

OptionalValue KendallTau::update_pair(double close, double reference) {
    if (!pairs_.make_room()) return std::nullopt;
    const XY entering{close, reference};
    // The pairs that stay: all held, less the leaving (oldest) one when full.
    Tally in, out;
    if (pairs_.full()) {
        const XY leaving = pairs_.oldest();
        pairs_.for_each_run_from(1, [&](std::span<const XY> run) { tally_run<true>(run, entering, leaving, in, out); });
    } else {
        pairs_.for_each_run_from(0, [&](std::span<const XY> run) { tally_run<false>(run, entering, entering, in, out); });
    }
    (void)pairs_.push(entering);  // room was made
    score_ += in.score - out.score;
    tied_x_ += in.tied_x - out.tied_x;
    tied_y_ += in.tied_y - out.tied_y;
    if (!pairs_.full()) return std::nullopt;
    const std::uint64_t n = pairs_.capacity();
    const double n0 = static_cast<double>(n * (n - 1) / 2);
    const double q = (n0 - static_cast<double>(tied_x_)) * (n0 - static_cast<double>(tied_y_));
    if (q == 0.0) return 0.0;
    return std::clamp(static_cast<double>(score_) / std::sqrt(q), -1.0, 1.0);
}

}  // namespace prynox
