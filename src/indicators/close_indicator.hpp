#pragma once
// Boxes the state of a single-series type as an Indicator: every bar feeds the close to the
// state's update_value and the warm-up is the state's own. Each state type gets its own
// instantiation, hence its own operations table.
#include <cstdint>
#include <optional>
#include <utility>

#include "indicators/indicator.hpp"
#include "indicators/optional_value.hpp"

namespace prynox {

template <class State>
class CloseIndicator final : public Indicator {
public:
    explicit CloseIndicator(State state) : state_(std::move(state)) {}

    std::optional<double> update(const BarContext& ctx) override {
        if (ctx.candle == nullptr) [[unlikely]]
            return no_value();
        auto value = state_.update_value(ctx.candle->close);
        return value ? some_value(*value) : no_value();
    }
    std::uint64_t warmup_period() const override { return state_.warmup_period(); }

    const State& state() const { return state_; }

private:
    State state_;
};

}  // namespace prynox
