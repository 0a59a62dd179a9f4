#include "core/errors/command_error.hpp"

namespace prynox {

std::string CommandError::display() const {
    switch (kind) {
        case Kind::Parse: return "parse: " + detail;
        case Kind::BadSpec: return "bad spec: " + detail;
        case Kind::Data: return "data: " + detail;
        case Kind::Backtest: return "backtest: " + detail;
    }
    return detail;
}

}  // namespace prynox
