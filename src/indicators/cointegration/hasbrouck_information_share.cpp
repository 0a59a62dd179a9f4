#include "indicators/cointegration/hasbrouck_information_share.hpp"

#include <array>
#include <cmath>

#include "indicators/cointegration/linear_solvers.hpp"
#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<HasbrouckInformationShare, IndicatorError> HasbrouckInformationShare::create(std::uint64_t period) {
    if (auto e = check_minimum(period, 6, kInformationSharePeriodMessage)) return std::unexpected(*e);
    return HasbrouckInformationShare(period);
}

std::uint64_t HasbrouckInformationShare::warmup_period() const { return sat_add(rows_.capacity(), 2); }

OptionalValue HasbrouckInformationShare::update_pair(double close, double reference) {
    if (!std::isfinite(close - reference)) [[unlikely]]
        return std::nullopt;
    if (newer_ && !(std::isfinite(close - newer_->x) && std::isfinite(reference - newer_->y))) [[unlikely]] {
        older_.reset();
        newer_ = XY{close, reference};
        return std::nullopt;
    }
    if (older_) {
        const XY& a = *older_;
        const XY& b = *newer_;
        if (!rows_.push(Row{close - b.x, reference - b.y, b.x - b.y, b.x - a.x, b.y - a.y})) [[unlikely]]
            return std::nullopt;
    }
    older_ = newer_;
    newer_ = XY{close, reference};
    if (!rows_.full()) return std::nullopt;
    return share();
}

double HasbrouckInformationShare::share() const {
    // Both equations share the regressors (1, z, dc1, dr1) and so X'X.
    std::array<double, 16> xx{};
    std::array<double, 4> xdc{}, xdr{};
    rows_.for_each([&](const Row& w) {
        const double g[4] = {1.0, w.z, w.dc1, w.dr1};
        for (std::size_t i = 0; i < 4; ++i) {
            for (std::size_t j = 0; j < 4; ++j) xx[i * 4 + j] += g[i] * g[j];
            xdc[i] += g[i] * w.dc;
            xdr[i] += g[i] * w.dr;
        }
    });
    std::array<double, 16> a = xx;
    std::array<double, 4> bc{}, br{};
    if (!solve_linear_4x4(a, xdc, bc)) return 0.5;
    a = xx;
    if (!solve_linear_4x4(a, xdr, br)) return 0.5;

    double scc = 0.0, srr = 0.0, scr = 0.0;
    rows_.for_each([&](const Row& w) {
        const double g[4] = {1.0, w.z, w.dc1, w.dr1};
        double fc = 0.0, fr = 0.0;
        for (std::size_t j = 0; j < 4; ++j) {
            fc += g[j] * bc[j];
            fr += g[j] * br[j];
        }
        const double ec = w.dc - fc, er = w.dr - fr;
        scc += ec * ec;
        srr += er * er;
        scr += ec * er;
    });
    const double n = static_cast<double>(rows_.size());
    scc /= n;
    srr /= n;
    scr /= n;
    if (scc <= 0.0 || srr <= 0.0) return 0.5;
    const double alpha_c = bc[1], alpha_r = br[1];
    const double d = alpha_r * alpha_r * scc - 2.0 * alpha_r * alpha_c * scr + alpha_c * alpha_c * srr;
    if (d <= 0.0) return 0.5;
    const double a1 = alpha_r * std::sqrt(scc) - alpha_c * scr / std::sqrt(scc);
    double is1 = a1 * a1 / d;
    is1 = is1 > 1.0 ? 1.0 : is1;
    const double b2 = alpha_r * scr / std::sqrt(srr) - alpha_c * std::sqrt(srr);
    double is2 = 1.0 - b2 * b2 / d;
    is2 = is2 < 0.0 ? 0.0 : (is2 > 1.0 ? 1.0 : is2);
    const double v = (is1 + is2) / 2.0;
    return std::isfinite(v) ? v : 0.5;
}

}  // namespace prynox
