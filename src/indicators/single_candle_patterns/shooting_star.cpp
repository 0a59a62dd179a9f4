#include "indicators/single_candle_patterns/shooting_star.hpp"

#include "indicators/single_candle_patterns/inverted_hammer.hpp"

namespace prynox {

double ShootingStarRule::test(CandleRow<1> c) {
    return inverted_hammer_shape(c[0]) ? kBearishSignal : kNoPattern;
}

}  // namespace prynox
