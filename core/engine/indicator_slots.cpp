#include "core/engine/indicator_slots.hpp"

namespace prynox {
namespace {

// Marks a cache position that has not seen a name yet (a null name is a valid, empty name).
constexpr char kUnseen = 0;

}  // namespace

IndicatorSlots::IndicatorSlots(std::string_view id, const RuleProgram& program) : main_(program.find_slot(id)) {
    for (std::uint32_t slot = 0; slot < program.slot_count(); ++slot) {
        const std::string_view key = program.slot_key(slot);
        if (key.size() > id.size() && key.starts_with(id) && key[id.size()] == '.') {
            outputs_.emplace_back(key.substr(id.size() + 1), slot);
        }
    }
    if (!outputs_.empty()) cache_.reserve(8);
}

std::uint32_t IndicatorSlots::slot_for(std::size_t position, const char* name) {
    if (position < cache_.size() && cache_[position].first == name) return cache_[position].second;
    const std::string_view text = name != nullptr ? std::string_view(name) : std::string_view();
    std::uint32_t slot = RuleProgram::kNoSlot;
    for (const auto& [output, s] : outputs_) {
        if (output == text) {
            slot = s;
            break;
        }
    }
    if (position >= cache_.size()) cache_.resize(position + 1, {&kUnseen, RuleProgram::kNoSlot});
    cache_[position] = {name, slot};
    return slot;
}

void IndicatorSlots::store_outputs(std::size_t bar, std::span<const NamedOutput> outputs, ValueHistory& history) {
    for (std::size_t k = 0; k < outputs.size(); ++k) {
        const std::uint32_t slot = slot_for(k, outputs[k].name);
        if (slot != RuleProgram::kNoSlot) history.set(bar, slot, outputs[k].value);
    }
}

}  // namespace prynox
