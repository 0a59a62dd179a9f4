#include "indicators/pair_statistics/spearman_correlation.hpp"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/total_order.hpp"
#include "indicators/pair_statistics/correlation_of.hpp"

namespace prynox {

std::expected<SpearmanCorrelation, IndicatorError> SpearmanCorrelation::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 2, kSpearmanCorrelationPeriodMessage)) return std::unexpected(*e);
    return SpearmanCorrelation(period);
}

void SpearmanCorrelation::rank(std::size_t n, const std::vector<double>& values, std::vector<Place>& order,
                               std::vector<double>& ranks) {
    for (std::size_t i = 0; i < n; ++i) order[i] = {total_order_key(values[i]), i, values[i]};
    // Position breaks ties of the key: the stable order, without the buffer a stable sort takes.
    std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(n), [](const Place& a, const Place& b) {
        return a.key != b.key ? a.key < b.key : a.position < b.position;
    });
    for (std::size_t s = 0; s < n;) {
        std::size_t e = s;
        while (e + 1 < n && order[e + 1].value == order[s].value) ++e;
        const double r = static_cast<double>(s + 1 + e + 1) / 2.0;
        for (std::size_t k = s; k <= e; ++k) ranks[order[k].position] = r;
        s = e + 1;
    }
}

OptionalValue SpearmanCorrelation::update_pair(double close, double reference) {
    if (!pairs_.make_room()) return std::nullopt;
    const std::size_t n = pairs_.full() ? pairs_.size() : pairs_.size() + 1;
    if (order_.size() < n) {
        try {
            for (auto* v : {&xs_, &ys_, &x_ranks_, &y_ranks_}) v->resize(n);
            order_.resize(n);  // last: a size short of n means a list may still be short
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        } catch (const std::length_error&) {
            return std::nullopt;
        }
    }
    (void)pairs_.push(XY{close, reference});  // room was made
    if (!pairs_.full()) return std::nullopt;
    std::size_t i = 0;
    pairs_.for_each([&](const XY& p) {
        xs_[i] = p.x;
        ys_[i] = p.y;
        ++i;
    });
    rank(n, xs_, order_, x_ranks_);
    rank(n, ys_, order_, y_ranks_);
    const double nd = static_cast<double>(n);
    double sa = 0.0, sb = 0.0, saa = 0.0, sbb = 0.0, sab = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
        const double a = x_ranks_[k], b = y_ranks_[k];
        sa += a;
        sb += b;
        saa += a * a;
        sbb += b * b;
        sab += a * b;
    }
    const double ma = sa / nd, mb = sb / nd;
    const double va = saa / nd - ma * ma, vb = sbb / nd - mb * mb;
    return correlation_of(va > 0.0 ? va : 0.0, vb > 0.0 ? vb : 0.0, sab / nd - ma * mb);
}

}  // namespace prynox
