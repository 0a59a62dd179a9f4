#pragma once
// The drawdown episodes of the equity curve compounded from a window of returns (equity starts
// at 1 and is multiplied by 1 + r per return, oldest first), with the plain sum of the returns:
// what the episode ratios read. An equity curve that leaves the finite range (the product
// overflows) gives nothing, since its peaks and depths would mean nothing.
#include <cmath>
#include <optional>

#include "indicators/cores/drawdown_episodes.hpp"
#include "indicators/cores/rolling_window.hpp"

namespace prynox {

struct EquityEpisodes {
    DrawdownEpisodes episodes{1.0};
    double return_sum = 0.0;

    static std::optional<EquityEpisodes> of(const RollingWindow<double>& returns) {
        EquityEpisodes out;
        double equity = 1.0;
        returns.for_each([&](double r) {
            out.return_sum += r;
            equity = equity * (1.0 + r);
            out.episodes.step(equity);
        });
        out.episodes.finish();
        // Once infinite (or NaN) the equity never comes back, so the last one tells.
        if (!std::isfinite(equity) || !std::isfinite(out.return_sum)) [[unlikely]]
            return std::nullopt;
        return out;
    }
};

}  // namespace prynox
