#include "indicators/single_candle_patterns/hanging_man.hpp"

#include "indicators/single_candle_patterns/hammer.hpp"

namespace prynox {

double HangingManRule::test(CandleRow<1> c) {
    return hammer_shape(c[0]) ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
