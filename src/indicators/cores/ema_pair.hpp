#pragma once
// The fast/slow pair of EMA stages under the price oscillators. Both stages step on every
// accepted value (the slow one also while the fast one still seeds); the pair has a value once
// both have one. While every value seen is the same, both sides report that value: two seed
// means of a constant differ in the last bit, and fast - slow must be exactly 0 there.
#include <cstdint>
#include <optional>

#include "indicators/cores/ema_stage.hpp"
#include "indicators/cores/constant_series.hpp"

namespace prynox {

struct EmaPairValue {
    double fast;
    double slow;
};

class EmaPair {
public:
    EmaPair(std::uint64_t fast, std::uint64_t slow) : fast_(fast), slow_(slow) {}
    // Stages built with their own weights (fixed factors rather than 2 / (n + 1)).
    EmaPair(EmaStage fast, EmaStage slow) : fast_(fast), slow_(slow) {}

    // x must be finite (the owner's input check).
    std::optional<EmaPairValue> step(double x) {
        auto f = fast_.step(x);
        auto s = slow_.step(x);
        constant_.push(x);
        if (!f || !s) return std::nullopt;
        if (constant_.constant()) [[unlikely]]
            return EmaPairValue{x, x};
        return EmaPairValue{*f, *s};
    }

    // Whether step(x) steps both stages (see EmaStage::takes).
    bool takes(double x) const { return fast_.takes(x) && slow_.takes(x); }

    std::uint64_t fast_period() const { return fast_.period(); }
    std::uint64_t slow_period() const { return slow_.period(); }

private:
    EmaStage fast_;
    EmaStage slow_;
    ConstantSeries constant_;
};

}  // namespace prynox
