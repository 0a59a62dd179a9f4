#pragma once
// Rule references and rule evaluation. Rules are compiled once, before the first bar, into flat
// node arrays whose references point at value slots; evaluation then walks those arrays
// without allocating, building text or looking anything up by name.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/engine/value_history.hpp"
#include "core/errors/engine_error.hpp"
#include "core/model/market.hpp"
#include "core/model/spec.hpp"

namespace prynox {

// 2^-52: the engine's tolerance for equality, divisors and an open position.
inline constexpr double kEpsilon = 2.220446049250313e-16;

// The ids a strategy declares, compared whole and byte-wise.
class DeclaredIds {
public:
    explicit DeclaredIds(const std::map<std::string, IndicatorSpec>& indicators);
    bool contains(std::string_view id) const;

private:
    std::vector<std::string_view> ids_;  // sorted
};

// A reference passes when the text before its first point (all of it without a point) is
// declared; the error carries the whole reference.
std::optional<EngineError> check_operand_reference(const Operand& operand, const DeclaredIds& ids);
// Depth first, left to right; the first failing reference ends the walk.
std::optional<EngineError> first_undeclared_reference(const Condition& rule, const DeclaredIds& ids);

struct RuleContext {
    std::optional<std::uint32_t> bars_since_entry;
    bool in_position = false;
};

// What rules read: the candles for prices, and the slot values of every bar so far.
struct RuleView {
    std::span<const Candle> candles;
    const ValueHistory* values = nullptr;
};

class RuleProgram {
public:
    using Id = std::uint32_t;
    static constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;

    // Compiles a rule; every reference text becomes a slot. The rule's texts must outlive the
    // program, which keeps views of them.
    Id add_rule(const Condition& rule);
    Id add_operand(const Operand& operand);

    // Whether the rule holds at bar `index` of a history of `length` bars.
    bool evaluate(Id rule, const RuleView& view, std::size_t length, std::size_t index,
                  const RuleContext& ctx) const;
    // An operand's value at bar `index`: present (possibly NaN) or missing.
    std::optional<double> evaluate_operand(Id operand, const RuleView& view, std::size_t length,
                                           std::size_t index) const;

    // Gives a history column only to the slots that some indicator writes (written[slot]);
    // every other slot is missing on every bar, so its leaves become missing, and a condition
    // that can then never hold, or always holds, is folded to that constant. Returns each
    // slot's column, kNoSlot for a slot without one. Call once, after every rule is added.
    std::vector<std::uint32_t> keep_written_slots(const std::vector<bool>& written);
    // The history columns rules read: one per slot until keep_written_slots.
    std::size_t column_count() const { return columns_ ? *columns_ : keys_.size(); }

    // How many bars before the evaluated one any compiled rule reads (saturating).
    std::uint64_t reach() const { return reach_; }
    std::size_t slot_count() const { return keys_.size(); }
    std::string_view slot_key(std::uint32_t slot) const { return keys_[slot]; }
    std::uint32_t find_slot(std::string_view key) const;

private:
    // Operands are trees of arithmetic over leaves. A prev only moves the bar its leaves read,
    // so it is folded into them as `back`: prev(add(a, b), n) reads a and b n bars back, and
    // is missing before bar n exactly when its leaves are.
    struct OpNode {
        enum class Kind : std::uint8_t { Number, Slot, Field, Hlc3, Ohlc4, Missing, Add, Sub, Mul, Div };
        Kind kind = Kind::Missing;
        std::uint32_t slot = kNoSlot;  // Slot: its history column once bound
        double Candle::*field = &Candle::close;  // Field
        std::uint32_t a = 0;           // Add..Div
        std::uint32_t b = 0;
        std::uint64_t back = 0;        // leaves: bars before the evaluated one
        double number = 0.0;
    };
    struct CondNode {
        Condition::Kind kind = Condition::Kind::All;
        bool negate = false;
        bool flag = false;
        Cmp cmp = Cmp::Gt;
        std::uint32_t count = 0;
        std::uint32_t op[3] = {0, 0, 0};
        std::uint32_t first_child = 0;
        std::uint32_t child_count = 0;
    };
    struct Eval {
        const Candle* candles;
        const ValueHistory* values;
        bool rows_ok;  // index within the history
    };

    Id compile_op(const Operand& o, std::uint64_t back, std::uint64_t& reach);
    Id compile_cond(const Condition& c, std::uint64_t& reach);
    Id missing_op(std::uint64_t back);
    std::uint32_t intern(std::string_view key);

    bool eval_op(Id id, const Eval& e, std::size_t index, double& out) const;
    static bool eval_leaf(const OpNode& n, const Eval& e, std::size_t index, double& out) {
        if (index < n.back) return false;
        const std::size_t k = index - static_cast<std::size_t>(n.back);
        switch (n.kind) {
            case OpNode::Kind::Number: out = n.number; return true;
            case OpNode::Kind::Slot:
                if (e.values == nullptr || n.slot >= e.values->slots()) return false;
                return e.values->get(k, n.slot, out);
            case OpNode::Kind::Field:
                out = e.candles[k].*n.field;
                return true;
            case OpNode::Kind::Hlc3: {
                const Candle& c = e.candles[k];
                out = ((c.high + c.low) + c.close) / 3.0;
                return true;
            }
            case OpNode::Kind::Ohlc4: {
                const Candle& c = e.candles[k];
                out = (((c.open + c.high) + c.low) + c.close) * 0.25;
                return true;
            }
            default: return false;
        }
    }
    bool eval_cond(Id id, const Eval& e, std::size_t index, const RuleContext& ctx) const;
    bool operand(Id id, const Eval& e, std::size_t index, double& out) const {
        if (!e.rows_ok) return false;
        const OpNode& n = ops_[id];
        if (n.kind <= OpNode::Kind::Missing) return eval_leaf(n, e, index, out);
        return eval_op(id, e, index, out);
    }
    bool evaluate_node(const CondNode& n, const Eval& e, std::size_t index, const RuleContext& ctx) const;

    std::vector<OpNode> ops_;
    std::vector<CondNode> conds_;
    std::vector<Id> children_;
    std::vector<std::string_view> keys_;
    std::unordered_map<std::string_view, std::uint32_t> slot_of_;
    std::uint64_t reach_ = 0;
    std::optional<std::size_t> columns_;
};

}  // namespace prynox
