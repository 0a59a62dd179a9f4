#pragma once
// The table of every accepted indicator type: name, feed, parameter signature and, once its
// family has landed, its builder. Lookup is by exact, case-sensitive name.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/model/spec.hpp"
#include "core/registry/registry_entry.hpp"

namespace prynox {

struct TypeRow {
    std::string_view name;
    Feed feed;
    std::string_view signature;  // see param_values.hpp
};

struct AliasRow {
    std::string_view name;
    std::string_view type;  // the full type name it builds
};

inline constexpr std::size_t kTypeCount = 495;
inline constexpr std::size_t kAliasCount = 2;
inline constexpr std::size_t kShortestName = 2;
inline constexpr std::size_t kLongestName = 26;

// All 495 rows in ascending byte order of the name.
std::span<const TypeRow> type_rows();
std::span<const AliasRow> alias_rows();

// Index of a type name in type_rows(); none for aliases and unknown names.
std::optional<std::size_t> find_type(std::string_view name);
// The full type name of an alias.
std::optional<std::string_view> find_alias(std::string_view name);
// The builder of the type at `index`, or null while its family has not built it.
Builder type_builder(std::size_t index);

}  // namespace prynox
