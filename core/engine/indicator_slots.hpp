#pragma once
// Where one indicator's value and named outputs land among the rule slots. The value goes to
// the slot of the id, an output to the slot of "id.name"; keys no rule reads are not kept.
// Output names are matched once and then remembered by position and name pointer, so a bar
// costs no text comparison.
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
    IndicatorSlots(std::string_view id, const RuleProgram& program);

    bool reads_value() const { return main_ != RuleProgram::kNoSlot; }
    bool reads_outputs() const { return !outputs_.empty(); }

    void store_value(std::size_t bar, double value, ValueHistory& history) const {
        if (main_ != RuleProgram::kNoSlot) history.set(bar, main_, value);
    }
    // In list order, so a name given twice keeps its later value.
    void store_outputs(std::size_t bar, std::span<const NamedOutput> outputs, ValueHistory& history);

private:
    std::uint32_t slot_for(std::size_t position, const char* name);

    std::uint32_t main_ = RuleProgram::kNoSlot;
    std::vector<std::pair<std::string_view, std::uint32_t>> outputs_;  // read output names and their slots
    std::vector<std::pair<const char*, std::uint32_t>> cache_;         // by output position
};

}  // namespace prynox
