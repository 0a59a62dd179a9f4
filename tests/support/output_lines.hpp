#pragma once
// The outputs of a registry-built multi-output type on every bar over candles.
#include <gtest/gtest.h>

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "support/candle_runs.hpp"

namespace prynox::test {

using OutputLists = std::vector<std::optional<std::vector<double>>>;

// The output list of each bar, none on a bar without value.
inline OutputLists run_output_lists(std::string_view type, const std::vector<double>& params, const Candles& bars) {
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return OutputLists(bars.size());
    }
    OutputLists out;
    BarContext ctx;
    for (const Candle& c : bars) {
        ctx.candle = &c;
        auto& l = out.emplace_back();
        if (!(*built)->update(ctx)) continue;
        l.emplace();
        for (const auto& o : (*built)->outputs()) l->push_back(o.value);
    }
    return out;
}

// The same with an empty list on a bar without value.
inline std::vector<std::vector<double>> run_output_rows(std::string_view type, const std::vector<double>& params,
                                                        const Candles& bars) {
    std::vector<std::vector<double>> out;
    for (auto& l : run_output_lists(type, params, bars)) out.push_back(l ? std::move(*l) : std::vector<double>{});
    return out;
}

}  // namespace prynox::test
