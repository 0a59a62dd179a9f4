#include "indicators/order_book/kyles_lambda.hpp"

#include <algorithm>
#include <cmath>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"
#include "indicators/cores/trade_sign.hpp"
#include "indicators/order_book/quote_mid.hpp"

namespace prynox {

namespace {

bool finite(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

}  // namespace

std::expected<KylesLambda, IndicatorError> KylesLambda::create(std::uint64_t window) {
    if (auto e = check_minimum(window, 2, kWindowMessage)) return std::unexpected(*e);
    return KylesLambda(window);
}

std::uint64_t KylesLambda::warmup_period() const { return sat_add(pairs_.capacity(), 1); }

void KylesLambda::reanchor() {
    const double n = static_cast<double>(pairs_.size());
    double sx = 0.0, sy = 0.0;
    pairs_.for_each([&](const Pair& p) { sx += p.x, sy += p.y; });
    const Pair a{sx / n, sy / n};
    Moments m;
    pairs_.for_each([&](const Pair& p) {
        const double dx = p.x - a.x, dy = p.y - a.y;
        m.sq += dx, m.sd += dy, m.sqq += dx * dx, m.sdd += dy * dy, m.sqd += dx * dy;
    });
    // A rebuild out of the finite range keeps the running moments.
    if (std::isfinite(a.x) && std::isfinite(a.y) && finite(m.sq, m.sd, m.sqq, m.sqd)) anchor_ = a, m_ = m;
}

OptionalValue KylesLambda::slope() const {
    const std::uint64_t count = pairs_.capacity();
    if (equal_run_ >= count) return 0.0;
    const double n = static_cast<double>(count);
    const double mq = m_.sq / n;
    const double var = std::max(m_.sqq / n - mq * mq, 0.0);
    if (var == 0.0) return 0.0;
    // Sqd/n - mq Sd/n is grouped Sqd/n - (mq Sd)/n: the other groupings differ in the last bit.
    const double v = (m_.sqd / n - (mq * m_.sd) / n) / var;
    if (!std::isfinite(v)) [[unlikely]]
        return {};
    return v;
}

OptionalValue KylesLambda::update_trade_quote(const TradeQuote& tq) {
    const OptionalValue q = quote_mid(tq);
    if (tq.trades.empty() || !q) return {};
    bool taken = false;  // a print of the bar changed the state
    for (const TradePrint& t : tq.trades) {
        if (!previous_mid_) {
            previous_mid_ = *q;
            taken = true;
            continue;
        }
        // The pair is (signed size, mid change), the slope that of the mid change on the size.
        const Pair p{signed_size(t), *q - *previous_mid_};
        const Pair a = anchored_ ? anchor_ : p;
        Moments m = m_;
        if (pairs_.full()) {
            const Pair& old = pairs_.oldest();
            const double dx = old.x - a.x, dy = old.y - a.y;
            m.sq -= dx, m.sd -= dy, m.sqq -= dx * dx, m.sdd -= dy * dy, m.sqd -= dx * dy;
        }
        const double dx = p.x - a.x, dy = p.y - a.y;
        m.sq += dx, m.sd += dy, m.sqq += dx * dx, m.sdd += dy * dy, m.sqd += dx * dy;
        // Sdd is kept with the others but no value reads it: only the moments the slope reads
        // can refuse a print.
        if (!finite(m.sq, m.sd, m.sqq, m.sqd)) [[unlikely]] {
            previous_mid_ = *q;
            continue;
        }
        const bool repeats = !pairs_.empty() && pairs_.newest().x == p.x;
        if (!pairs_.push(p)) [[unlikely]]
            return {};
        previous_mid_ = *q;
        anchor_ = a, anchored_ = true, m_ = m;
        equal_run_ = repeats ? std::min(equal_run_ + 1, pairs_.capacity()) : 1;
        if (++updates_ >= pairs_.capacity()) [[unlikely]] {
            reanchor();
            updates_ = 0;
        }
        taken = true;
    }
    // The bar's value is that of its last print taken, and it reads the state as it now stands.
    return taken && pairs_.full() ? slope() : OptionalValue();
}

}  // namespace prynox
