#include "core/errors/engine_error.hpp"

#include <string_view>

namespace prynox {
namespace {

std::string joined(std::string_view prefix, const std::string& a, std::string_view sep = {},
                   const std::string* b = nullptr) {
    std::string s;
    s.reserve(prefix.size() + a.size() + sep.size() + (b != nullptr ? b->size() : 0));
    s.append(prefix);
    s.append(a);
    s.append(sep);
    if (b != nullptr) s.append(*b);
    return s;
}

}  // namespace

std::string EngineError::display() const {
    switch (kind) {
        case Kind::InvalidSpec: return joined("invalid strategy spec: ", first);
        case Kind::UnknownIndicator: return joined("unknown indicator type: ", first);
        case Kind::InvalidParameters: return joined("invalid parameters for indicator ", first, ": ", &second);
        case Kind::UndeclaredIndicator: return joined("rule references undeclared indicator: ", first);
        case Kind::InvalidInput: return joined("invalid input data: ", first);
    }
    return first;
}

}  // namespace prynox
