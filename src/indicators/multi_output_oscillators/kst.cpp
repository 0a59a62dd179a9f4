#include "indicators/multi_output_oscillators/kst.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "indicators/cores/period_checks.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

std::expected<Kst, IndicatorError> Kst::create(std::uint64_t r1, std::uint64_t r2, std::uint64_t r3, std::uint64_t r4,
                                               std::uint64_t s1, std::uint64_t s2, std::uint64_t s3, std::uint64_t s4,
                                               std::uint64_t signal) {
    if (r1 == 0 || r2 == 0 || r3 == 0 || r4 == 0 || s1 == 0 || s2 == 0 || s3 == 0 || s4 == 0 || signal == 0)
        return std::unexpected(IndicatorError::zero_period());
    for (std::uint64_t r : {r1, r2, r3, r4})
        if (auto e = check_max_period(r)) return std::unexpected(*e);
    std::expected<Sma, IndicatorError> smas[] = {Sma::create(s1), Sma::create(s2), Sma::create(s3), Sma::create(s4),
                                                 Sma::create(signal)};
    for (const auto& s : smas)
        if (!s) return std::unexpected(s.error());
    return Kst({Pair{RollingWindow<double>(r1 + 1), std::move(*smas[0])},
                Pair{RollingWindow<double>(r2 + 1), std::move(*smas[1])},
                Pair{RollingWindow<double>(r3 + 1), std::move(*smas[2])},
                Pair{RollingWindow<double>(r4 + 1), std::move(*smas[3])}},
               std::move(*smas[4]));
}

std::uint64_t Kst::warmup_period() const {
    std::uint64_t longest = 0;
    for (const Pair& p : pairs_) longest = std::max(longest, sat_add(p.closes.capacity() - 1, p.average.period()));
    return sat_add(longest, signal_.period() - 1);
}

bool Kst::update_value(double close, std::array<double, 2>& out) {
    if (!std::isfinite(close)) [[unlikely]]
        return false;
    for (Pair& p : pairs_)
        if (!p.closes.make_room()) [[unlikely]]
            return false;
    std::array<double, 4> avg;
    bool all = true;
    for (std::size_t i = 0; i < 4; ++i) {
        Pair& p = pairs_[i];
        (void)p.closes.push(close);  // room was made above
        if (!p.closes.full()) {
            all = false;
            continue;
        }
        const double oldest = p.closes.oldest();
        const double roc = oldest == 0.0 ? 0.0 : (close - oldest) / oldest * 100.0;
        const OptionalValue a = p.average.update_value(roc);
        if (!a) {
            all = false;
            continue;
        }
        avg[i] = *a;
    }
    if (!all) return false;
    const double kst = ((avg[0] + 2.0 * avg[1]) + 3.0 * avg[2]) + 4.0 * avg[3];
    const OptionalValue signal = signal_.update_value(kst);
    if (!signal) return false;
    out = {kst, *signal};
    return true;
}

}  // namespace prynox
