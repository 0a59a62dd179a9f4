#include "core/model/spec.hpp"

#include <utility>

namespace prynox {

// Out of line so that Expr is complete where the owning pointer is destroyed.
Operand::Operand() = default;
Operand::~Operand() = default;
Operand::Operand(Operand&&) noexcept = default;
Operand& Operand::operator=(Operand&&) noexcept = default;

Operand Operand::reference(std::string text) {
    Operand o;
    o.kind = Kind::Ref;
    o.ref = std::move(text);
    return o;
}

Operand Operand::constant(double value) {
    Operand o;
    o.kind = Kind::Number;
    o.number = value;
    return o;
}

Operand Operand::expression(prynox::Expr e) {
    Operand o;
    o.kind = Kind::Expr;
    o.expr = std::make_unique<prynox::Expr>(std::move(e));
    return o;
}

}  // namespace prynox
