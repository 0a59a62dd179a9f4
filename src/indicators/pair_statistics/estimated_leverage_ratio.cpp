#include "indicators/pair_statistics/estimated_leverage_ratio.hpp"

#include "indicators/cores/finite_result.hpp"

namespace prynox {

OptionalValue EstimatedLeverageRatio::update_pair(double close, double reference) {
    if (!(reference > 0.0)) return 0.0;
    return finite_result(close / reference);
}

}  // namespace prynox
