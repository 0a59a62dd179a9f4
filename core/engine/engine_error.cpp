#include "core/engine/engine_error.hpp"

namespace prynox {

std::string EngineError::display() const {
    switch (kind) {
        case Kind::InvalidSpec: return "invalid strategy spec: " + first;
        case Kind::UnknownIndicator: return "unknown indicator type: " + first;
        case Kind::InvalidParameters: return "invalid parameters for indicator " + first + ": " + second;
        case Kind::UndeclaredIndicator: return "rule references undeclared indicator: " + first;
        case Kind::InvalidInput: return "invalid input data: " + first;
    }
    return first;
}

}  // namespace prynox
