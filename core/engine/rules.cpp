#include "core/engine/rules.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace prynox {
namespace {

std::uint64_t add_sat(std::uint64_t a, std::uint64_t b) {
    return a > std::numeric_limits<std::uint64_t>::max() - b ? std::numeric_limits<std::uint64_t>::max() : a + b;
}

bool compare_count(Cmp cmp, std::uint32_t k, std::uint32_t n) {
    switch (cmp) {
        case Cmp::Gt: return k > n;
        case Cmp::Lt: return k < n;
        case Cmp::Ge: return k >= n;
        case Cmp::Le: return k <= n;
        case Cmp::Eq: return k == n;
    }
    return false;
}

std::size_t operand_count(Condition::Kind kind) {
    switch (kind) {
        case Condition::Kind::Gt:
        case Condition::Kind::Lt:
        case Condition::Kind::Ge:
        case Condition::Kind::Le:
        case Condition::Kind::Eq:
        case Condition::Kind::Ne:
        case Condition::Kind::CrossAbove:
        case Condition::Kind::CrossBelow: return 2;
        case Condition::Kind::Between: return 3;
        case Condition::Kind::Rising:
        case Condition::Kind::Falling: return 1;
        default: return 0;
    }
}

}  // namespace

DeclaredIds::DeclaredIds(const std::map<std::string, IndicatorSpec>& indicators) {
    ids_.reserve(indicators.size());
    for (const auto& [id, spec] : indicators) ids_.push_back(id);  // the map is already byte-ordered
}

bool DeclaredIds::contains(std::string_view id) const { return std::binary_search(ids_.begin(), ids_.end(), id); }

std::optional<EngineError> check_operand_reference(const Operand& operand, const DeclaredIds& ids) {
    switch (operand.kind) {
        case Operand::Kind::Number: return std::nullopt;
        case Operand::Kind::Ref: {
            const std::string_view text = operand.ref;
            const std::string_view id = text.substr(0, text.find('.'));
            if (ids.contains(id)) return std::nullopt;
            return EngineError::undeclared_indicator(operand.ref);
        }
        case Operand::Kind::Expr: {
            if (!operand.expr) return std::nullopt;
            const Expr& e = *operand.expr;
            switch (e.kind) {
                case Expr::Kind::Price: return std::nullopt;
                case Expr::Kind::Prev: return check_operand_reference(e.a, ids);
                default:
                    if (auto err = check_operand_reference(e.a, ids)) return err;
                    return check_operand_reference(e.b, ids);
            }
        }
    }
    return std::nullopt;
}

std::optional<EngineError> first_undeclared_reference(const Condition& rule, const DeclaredIds& ids) {
    const std::size_t n = std::min(operand_count(rule.kind), rule.operands.size());
    for (std::size_t k = 0; k < n; ++k) {
        if (auto err = check_operand_reference(rule.operands[k], ids)) return err;
    }
    switch (rule.kind) {
        case Condition::Kind::All:
        case Condition::Kind::Any:
        case Condition::Kind::Not:
            for (const Condition& c : rule.children) {
                if (auto err = first_undeclared_reference(c, ids)) return err;
            }
            break;
        default: break;
    }
    return std::nullopt;
}

std::uint32_t RuleProgram::intern(std::string_view key) {
    auto [it, inserted] = slot_of_.try_emplace(key, static_cast<std::uint32_t>(keys_.size()));
    if (inserted) keys_.push_back(key);
    return it->second;
}

std::uint32_t RuleProgram::find_slot(std::string_view key) const {
    auto it = slot_of_.find(key);
    return it == slot_of_.end() ? kNoSlot : it->second;
}

RuleProgram::Id RuleProgram::missing_op(std::uint64_t back) {
    OpNode n;
    n.back = back;
    ops_.push_back(n);
    return static_cast<Id>(ops_.size() - 1);
}

RuleProgram::Id RuleProgram::compile_op(const Operand& o, std::uint64_t back, std::uint64_t& reach) {
    OpNode n;
    n.back = back;
    reach = back;
    switch (o.kind) {
        case Operand::Kind::Number:
            n.kind = OpNode::Kind::Number;
            n.number = o.number;
            break;
        case Operand::Kind::Ref:
            n.kind = OpNode::Kind::Slot;
            n.slot = intern(o.ref);
            break;
        case Operand::Kind::Expr: {
            if (!o.expr) return missing_op(back);
            const Expr& e = *o.expr;
            switch (e.kind) {
                case Expr::Kind::Price:
                    switch (e.price) {
                        case PriceSource::Open: n.field = &Candle::open; break;
                        case PriceSource::High: n.field = &Candle::high; break;
                        case PriceSource::Low: n.field = &Candle::low; break;
                        case PriceSource::Close: n.field = &Candle::close; break;
                        case PriceSource::Volume: n.field = &Candle::volume; break;
                        case PriceSource::Hlc3: n.kind = OpNode::Kind::Hlc3; break;
                        case PriceSource::Ohlc4: n.kind = OpNode::Kind::Ohlc4; break;
                    }
                    if (e.price != PriceSource::Hlc3 && e.price != PriceSource::Ohlc4) n.kind = OpNode::Kind::Field;
                    break;
                case Expr::Kind::Prev: return compile_op(e.a, add_sat(back, e.count), reach);
                case Expr::Kind::Add:
                case Expr::Kind::Sub:
                case Expr::Kind::Mul:
                case Expr::Kind::Div: {
                    n.kind = e.kind == Expr::Kind::Add   ? OpNode::Kind::Add
                             : e.kind == Expr::Kind::Sub ? OpNode::Kind::Sub
                             : e.kind == Expr::Kind::Mul ? OpNode::Kind::Mul
                                                         : OpNode::Kind::Div;
                    std::uint64_t ra = 0;
                    std::uint64_t rb = 0;
                    n.a = compile_op(e.a, back, ra);
                    n.b = compile_op(e.b, back, rb);
                    reach = std::max(ra, rb);
                    break;
                }
            }
            break;
        }
    }
    ops_.push_back(n);
    return static_cast<Id>(ops_.size() - 1);
}

RuleProgram::Id RuleProgram::compile_cond(const Condition& c, std::uint64_t& reach) {
    // Nots are folded into one negation flag on the node they wrap.
    const Condition* node = &c;
    bool negate = false;
    while (node->kind == Condition::Kind::Not && !node->children.empty()) {
        negate = !negate;
        node = &node->children.front();
    }
    CondNode n;
    n.negate = negate;
    n.kind = node->kind;
    if (n.kind == Condition::Kind::Not) {
        // A not without its inner rule: read as the negation of an empty all.
        n.kind = Condition::Kind::All;
        n.negate = !n.negate;
    }
    n.flag = node->flag;
    n.cmp = node->cmp;
    n.count = node->count;
    reach = 0;

    const std::size_t want = operand_count(n.kind);
    for (std::size_t k = 0; k < want; ++k) {
        std::uint64_t r = 0;
        n.op[k] = k < node->operands.size() ? compile_op(node->operands[k], 0, r) : missing_op(0);
        reach = std::max(reach, r);
    }
    switch (n.kind) {
        case Condition::Kind::CrossAbove:
        case Condition::Kind::CrossBelow: reach = add_sat(reach, 1); break;
        case Condition::Kind::Rising:
        case Condition::Kind::Falling: reach = add_sat(reach, n.count); break;
        case Condition::Kind::All:
        case Condition::Kind::Any: {
            std::vector<Id> kids;
            kids.reserve(node->children.size());
            for (const Condition& child : node->children) {
                std::uint64_t r = 0;
                kids.push_back(compile_cond(child, r));
                reach = std::max(reach, r);
            }
            n.first_child = static_cast<std::uint32_t>(children_.size());
            n.child_count = static_cast<std::uint32_t>(kids.size());
            children_.insert(children_.end(), kids.begin(), kids.end());
            break;
        }
        default: break;
    }
    conds_.push_back(n);
    return static_cast<Id>(conds_.size() - 1);
}

RuleProgram::Id RuleProgram::add_rule(const Condition& rule) {
    std::uint64_t r = 0;
    const Id id = compile_cond(rule, r);
    reach_ = std::max(reach_, r);
    return id;
}

RuleProgram::Id RuleProgram::add_operand(const Operand& operand) {
    std::uint64_t r = 0;
    const Id id = compile_op(operand, 0, r);
    reach_ = std::max(reach_, r);
    return id;
}

std::vector<std::uint32_t> RuleProgram::keep_written_slots(const std::vector<bool>& written) {
    std::vector<std::uint32_t> column(keys_.size(), kNoSlot);
    std::uint32_t next = 0;
    for (std::size_t s = 0; s < keys_.size(); ++s)
        if (s < written.size() && written[s]) column[s] = next++;
    columns_ = next;

    // Operands and conditions are stored after the nodes they read, so one pass in order sees
    // every child settled before its parent.
    std::vector<bool> never(ops_.size(), false);
    for (std::size_t k = 0; k < ops_.size(); ++k) {
        OpNode& n = ops_[k];
        if (n.kind == OpNode::Kind::Slot) {
            n.slot = column[n.slot];
            if (n.slot == kNoSlot) n.kind = OpNode::Kind::Missing;
        }
        never[k] = n.kind == OpNode::Kind::Missing || (n.kind > OpNode::Kind::Missing && (never[n.a] || never[n.b]));
    }

    enum class Fixed : std::uint8_t { No, False, True };
    std::vector<Fixed> fixed(conds_.size(), Fixed::No);
    for (std::size_t k = 0; k < conds_.size(); ++k) {
        CondNode& n = conds_[k];
        std::optional<bool> value;  // before the node's own negation
        if (n.kind == Condition::Kind::All || n.kind == Condition::Kind::Any) {
            // All holds without its always-true children, Any fails without its never-true ones.
            const bool all = n.kind == Condition::Kind::All;
            const Fixed neutral = all ? Fixed::True : Fixed::False;
            std::uint32_t kept = 0;
            for (std::uint32_t c = 0; c < n.child_count && !value; ++c) {
                const Id child = children_[n.first_child + c];
                if (fixed[child] == neutral) continue;
                if (fixed[child] != Fixed::No) {
                    value = !all;
                    break;
                }
                children_[n.first_child + kept++] = child;
            }
            if (!value && kept == 0) value = all;
            if (!value) n.child_count = kept;
        } else {
            // A comparison with an operand that is never present never holds.
            for (std::size_t o = 0; o < operand_count(n.kind); ++o)
                if (never[n.op[o]]) value = false;
        }
        if (!value) continue;
        const bool holds = *value != n.negate;
        fixed[k] = holds ? Fixed::True : Fixed::False;
        // An empty All holds; negated, it never does.
        n.kind = Condition::Kind::All;
        n.child_count = 0;
        n.negate = !holds;
    }
    return column;
}

bool RuleProgram::eval_op(Id id, const Eval& e, std::size_t index, double& out) const {
    const OpNode& n = ops_[id];
    if (n.kind <= OpNode::Kind::Missing) return eval_leaf(n, e, index, out);
    double a = 0.0;
    double b = 0.0;
    if (!eval_op(n.a, e, index, a) || !eval_op(n.b, e, index, b)) return false;
    switch (n.kind) {
        case OpNode::Kind::Add: out = a + b; break;
        case OpNode::Kind::Sub: out = a - b; break;
        case OpNode::Kind::Mul: out = a * b; break;
        default: out = std::fabs(b) < kEpsilon ? std::numeric_limits<double>::quiet_NaN() : a / b; break;
    }
    return true;
}

// Evaluation has no side effects, so comparisons evaluate all their operands and combine the
// outcomes without branching on the data: signals on market data are close to coin flips.
bool RuleProgram::evaluate_node(const CondNode& n, const Eval& e, std::size_t i, const RuleContext& ctx) const {
    double a = 0.0;
    double b = 0.0;
    switch (n.kind) {
        case Condition::Kind::Gt: return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & (a > b);
        case Condition::Kind::Lt: return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & (a < b);
        case Condition::Kind::Ge: return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & (a >= b);
        case Condition::Kind::Le: return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & (a <= b);
        case Condition::Kind::Eq:
            return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & (std::fabs(a - b) < kEpsilon);
        case Condition::Kind::Ne:
            return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & (std::fabs(a - b) >= kEpsilon);
        case Condition::Kind::CrossAbove:
        case Condition::Kind::CrossBelow: {
            if (i == 0) return false;
            double pa = 0.0;
            double pb = 0.0;
            const bool present = operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) &
                                 operand(n.op[0], e, i - 1, pa) & operand(n.op[1], e, i - 1, pb);
            if (n.kind == Condition::Kind::CrossAbove) return present & (pa <= pb) & (a > b);
            return present & (pa >= pb) & (a < b);
        }
        case Condition::Kind::Between: {
            double hi = 0.0;
            return operand(n.op[0], e, i, a) & operand(n.op[1], e, i, b) & operand(n.op[2], e, i, hi) & (b <= a) &
                   (a <= hi);
        }
        case Condition::Kind::Rising:
        case Condition::Kind::Falling: {
            if (n.count == 0 || i < n.count) return false;
            const bool present = operand(n.op[0], e, i, a) & operand(n.op[0], e, i - n.count, b);
            return present & (n.kind == Condition::Kind::Rising ? a > b : a < b);
        }
        case Condition::Kind::All:
            for (std::uint32_t k = 0; k < n.child_count; ++k) {
                if (!eval_cond(children_[n.first_child + k], e, i, ctx)) return false;
            }
            return true;
        case Condition::Kind::Any:
            for (std::uint32_t k = 0; k < n.child_count; ++k) {
                if (eval_cond(children_[n.first_child + k], e, i, ctx)) return true;
            }
            return false;
        case Condition::Kind::InPosition: return ctx.in_position == n.flag;
        case Condition::Kind::BarsSinceEntry:
            return ctx.bars_since_entry.has_value() && compare_count(n.cmp, *ctx.bars_since_entry, n.count);
        case Condition::Kind::Not: return false;  // folded away when compiled
    }
    return false;
}

bool RuleProgram::eval_cond(Id id, const Eval& e, std::size_t index, const RuleContext& ctx) const {
    const CondNode& n = conds_[id];
    return evaluate_node(n, e, index, ctx) != n.negate;
}

bool RuleProgram::evaluate(Id rule, const RuleView& view, std::size_t length, std::size_t index,
                           const RuleContext& ctx) const {
    const Eval e{view.candles.data(), view.values, index < std::min(length, view.candles.size())};
    return eval_cond(rule, e, index, ctx);
}

std::optional<double> RuleProgram::evaluate_operand(Id id, const RuleView& view, std::size_t length,
                                                    std::size_t index) const {
    const Eval e{view.candles.data(), view.values, index < std::min(length, view.candles.size())};
    double v = 0.0;
    if (!operand(id, e, index, v)) return std::nullopt;
    return v;
}

}  // namespace prynox
