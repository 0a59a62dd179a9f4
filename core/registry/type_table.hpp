#pragma once
// Lookup in the table of every accepted indicator type (type_rows.hpp) and, once its family has
// landed, the type's builder. Lookup is by exact, case-sensitive name.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/registry/registry_entry.hpp"
#include "core/registry/type_rows.hpp"

namespace prynox {

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
