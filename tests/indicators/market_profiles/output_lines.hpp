#pragma once
// Every output list of a registry-built multi-output type over candles, compared with plain
// recomputations given per accepted candle.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <vector>

#include "support/output_lines.hpp"

namespace prynox::test {

using Lines = std::optional<std::vector<double>>;

inline std::vector<Lines> run_lines(const char* type, const std::vector<double>& params, const Candles& bars) {
    return run_output_lists(type, params, bars);
}

// want[t] for the t-th accepted candle, none on the rejected ones; bit for bit where rel(t) is 0,
// else within rel(t) × max(|want|, floor).
inline void expect_lines(const char* type, const std::vector<double>& params, const Candles& bars,
                         const std::vector<Lines>& want, const std::function<double(std::size_t)>& rel = {},
                         double floor = 0.0) {
    const std::vector<Lines> got = run_lines(type, params, bars);
    for (std::size_t i = 0, t = 0; i < bars.size(); ++i) {
        const bool taken = candle_passes(bars[i]);
        const Lines& w = taken ? want.at(t) : std::nullopt;
        const double tol = taken && rel ? rel(t) : 0.0;
        t += taken;
        ASSERT_EQ(got[i].has_value(), w.has_value()) << describe(type, params) << " bar " << i;
        for (std::size_t k = 0; w && k < w->size(); ++k)
            ASSERT_TRUE(tol == 0.0 ? same_bits((*got[i])[k], (*w)[k])
                                   : std::fabs((*got[i])[k] - (*w)[k]) <= tol * std::max(std::fabs((*w)[k]), floor))
                << describe(type, params) << " bar " << i << " output " << k << ": " << (*got[i])[k] << " vs " << (*w)[k];
    }
}

}  // namespace prynox::test
