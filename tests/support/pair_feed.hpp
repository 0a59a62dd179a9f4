#pragma once
// Feeding a registry-built type closes with a reference series: the pairs, and a run that keeps
// each bar's value and named outputs.
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/registry/registry.hpp"
#include "support/indicator_test_support.hpp"

namespace prynox::test {

// Closes with references; an absent reference is a bar without one.
struct Pairs {
    std::vector<double> closes;
    std::vector<std::optional<double>> refs;
    // The bar carries a pair the types take (both finite).
    bool taken(std::size_t i) const { return std::isfinite(closes[i]) && refs[i] && std::isfinite(*refs[i]); }
};

inline Pairs pairs(const std::vector<double>& closes, const std::vector<double>& refs) {
    Pairs d{closes, {}};
    for (double r : refs) d.refs.push_back(r);
    return d;
}

struct PairRun {
    Series values;
    std::vector<std::vector<double>> outputs;  // the list after each value
    std::uint64_t warmup = 0;
};

inline PairRun run_pairs(const std::string& type, const std::vector<double>& params, const Pairs& d) {
    PairRun r;
    auto built = build_indicator(type, params);
    if (!built) {
        ADD_FAILURE() << type << ": " << built.error().display();
        return r;
    }
    r.warmup = (*built)->warmup_period();
    for (std::size_t i = 0; i < d.closes.size(); ++i) {
        Candle c{static_cast<std::int64_t>(i), 9, 9, 9, d.closes[i], 5};
        BarContext ctx;
        ctx.candle = &c;
        if (d.refs[i]) ctx.reference = *d.refs[i];
        r.values.push_back((*built)->update(ctx));
        std::vector<double> list;
        if (r.values.back())
            for (const auto& o : (*built)->outputs()) list.push_back(o.value);
        r.outputs.push_back(list);
    }
    return r;
}

}  // namespace prynox::test
