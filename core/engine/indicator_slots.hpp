#pragma once
// Where one indicator's value and named outputs land among the rule slots. The value goes to
// the slot of the id, an output to the slot of "id.name". Output names are bound to their
// positions in the type's fixed list once, before the first bar, so a bar costs no text
// comparison; keys no rule reads are not kept, and a rule key naming no output of the type is
// never written.
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "core/engine/rules.hpp"
#include "core/engine/value_history.hpp"
#include "indicators/indicator.hpp"

namespace prynox {

class IndicatorSlots {
public:
    IndicatorSlots(std::string_view id, std::span<const char* const> output_names, const RuleProgram& program);

    bool reads_outputs() const { return !outputs_.empty(); }

    // Marks the slots this indicator writes.
    void mark_written(std::vector<bool>& written) const {
        if (main_ != RuleProgram::kNoSlot) written[main_] = true;
        for (const auto& [position, slot] : outputs_) written[slot] = true;
    }
    // From slots to the history columns the program kept for them.
    void use_columns(const std::vector<std::uint32_t>& column) {
        if (main_ != RuleProgram::kNoSlot) main_ = column[main_];
        for (auto& [position, slot] : outputs_) slot = column[slot];
    }

    void store_value(std::size_t bar, double value, ValueHistory& history) const {
        if (main_ != RuleProgram::kNoSlot) history.set(bar, main_, value);
    }
    // In list order, so a name given twice keeps its later value.
    void store_outputs(std::size_t bar, std::span<const NamedOutput> outputs, ValueHistory& history) const {
        for (const auto& [position, slot] : outputs_)
            if (position < outputs.size()) history.set(bar, slot, outputs[position].value);
    }

private:
    std::uint32_t main_ = RuleProgram::kNoSlot;
    std::vector<std::pair<std::size_t, std::uint32_t>> outputs_;  // (list position, slot), by position
};

}  // namespace prynox
