#include "indicators/indicator_error.hpp"

namespace prynox {

void IndicatorError::display(std::string& out) const {
    const char* prefix = nullptr;
    switch (kind) {
        case IndicatorErrorKind::ZeroPeriod: out += "period must be greater than zero"; return;
        case IndicatorErrorKind::NonFiniteInput: out += "input value must be finite (got NaN or infinity)"; return;
        case IndicatorErrorKind::NonPositiveMultiplier: out += "multiplier must be greater than zero"; return;
        case IndicatorErrorKind::InvalidPeriod: prefix = "invalid period: "; break;
        case IndicatorErrorKind::InvalidCandle: prefix = "invalid candle: "; break;
        case IndicatorErrorKind::InvalidTick: prefix = "invalid tick: "; break;
        case IndicatorErrorKind::InvalidOrderBook: prefix = "invalid order book: "; break;
        case IndicatorErrorKind::InvalidTrade: prefix = "invalid trade: "; break;
        case IndicatorErrorKind::InvalidDerivativesTick: prefix = "invalid derivatives tick: "; break;
        case IndicatorErrorKind::InvalidCrossSection: prefix = "invalid cross-section: "; break;
        case IndicatorErrorKind::InvalidParameter: prefix = "invalid parameter: "; break;
    }
    out += prefix;
    if (message != nullptr) out += message;
}

std::string IndicatorError::display() const {
    std::string s;
    display(s);
    return s;
}

}  // namespace prynox
