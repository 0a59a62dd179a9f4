#pragma once
// The output lists of registry-built multi-output types over candles, compared bit for bit with
// lists recomputed over the accepted candles (a NaN matching any NaN).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "support/output_lines.hpp"

namespace prynox::test {

using Lines = std::vector<std::optional<std::vector<double>>>;

inline Lines run_lines(const std::string& type, const std::vector<double>& params, const Candles& bars) {
    return run_output_lists(type, params, bars);
}

// The type over `bars` against `per_accepted`, the lists of the accepted candles in order.
inline void expect_lines(const std::string& type, const std::vector<double>& params, const Candles& bars,
                         const Lines& per_accepted) {
    const Lines got = run_lines(type, params, bars);
    const auto same = [](double a, double b) { return same_bits(a, b) || (std::isnan(a) && std::isnan(b)); };
    for (std::size_t i = 0, k = 0; i < bars.size(); ++i) {
        const auto& want = candle_passes(bars[i]) ? per_accepted.at(k++) : std::nullopt;
        ASSERT_TRUE(got[i].has_value() == want.has_value() &&
                    (!want || std::equal(want->begin(), want->end(), got[i]->begin(), got[i]->end(), same)))
            << describe(type, params) << " bar " << i;
    }
}

}  // namespace prynox::test
