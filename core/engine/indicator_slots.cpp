#include "core/engine/indicator_slots.hpp"

namespace prynox {

IndicatorSlots::IndicatorSlots(std::string_view id, std::span<const char* const> output_names,
                               const RuleProgram& program)
    : main_(program.find_slot(id)) {
    for (std::size_t position = 0; position < output_names.size(); ++position) {
        const std::string_view name = output_names[position] != nullptr ? output_names[position] : "";
        std::string key;
        key.reserve(id.size() + 1 + name.size());
        key.append(id).append(".").append(name);
        const std::uint32_t slot = program.find_slot(key);
        if (slot != RuleProgram::kNoSlot) outputs_.emplace_back(position, slot);
    }
}

}  // namespace prynox
