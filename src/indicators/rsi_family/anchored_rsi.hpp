#pragma once
// RSI over everything since the first bar: cumulative gains G and losses L, 100 - 100 / (G / L + 1).
#include <optional>
#include <cstdint>

namespace prynox {

class AnchoredRsi {
public:
    // A sum that would overflow refuses the bar like a non-finite close.
    std::optional<double> update_value(double x);
    std::uint64_t warmup_period() const { return 2; }

private:
    double previous_ = 0.0;
    bool has_previous_ = false;
    double gains_ = 0.0;
    double losses_ = 0.0;
};

}  // namespace prynox
