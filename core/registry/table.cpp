// The indicator type table's checks and lookup, and the builders gathered from the families.
// A name whose type has no builder yet is answered "unknown indicator type: {}", exactly like a
// name outside the table. How a type is added: docs/architecture.md.
#include "core/registry/type_table.hpp"

#include <algorithm>
#include <array>
#include <new>

#include "core/registry/families.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

namespace {

// ---- compile-time checks of the table ----

constexpr bool sorted_and_unique() {
    for (std::size_t i = 1; i < std::size(kTypes); ++i)
        if (!(kTypes[i - 1].name < kTypes[i].name)) return false;
    return true;
}

constexpr std::size_t count_feed(Feed feed) {
    std::size_t n = 0;
    for (const auto& row : kTypes) n += row.feed == feed ? 1 : 0;
    return n;
}

constexpr std::size_t count_arity(std::size_t arity) {
    std::size_t n = 0;
    for (const auto& row : kTypes) n += row.signature.size() == arity ? 1 : 0;
    return n;
}

constexpr std::size_t count_reads() {
    std::size_t n = 0;
    for (const auto& row : kTypes) n += row.signature.size();
    return n;
}

constexpr bool signatures_valid() {
    for (const auto& row : kTypes) {
        if (row.signature.size() > 9) return false;
        for (char c : row.signature)
            if (c != 'P' && c != 'F' && c != 'I' && c != 'U') return false;
    }
    return true;
}

constexpr bool contains_type(std::string_view name) {
    for (const auto& row : kTypes)
        if (row.name == name) return true;
    return false;
}

constexpr bool aliases_resolve() {
    for (const auto& a : kAliases)
        if (contains_type(a.name) || !contains_type(a.type)) return false;
    return true;
}

// Every length from the shortest to the longest is taken, and nothing lies outside.
constexpr bool lengths_cover() {
    for (std::size_t len = kShortestName; len <= kLongestName; ++len) {
        bool seen = false;
        for (const auto& row : kTypes) seen = seen || row.name.size() == len;
        for (const auto& a : kAliases) seen = seen || a.name.size() == len;
        if (!seen) return false;
    }
    for (const auto& row : kTypes)
        if (row.name.size() < kShortestName || row.name.size() > kLongestName) return false;
    return true;
}

static_assert(std::size(kTypes) == kTypeCount);
static_assert(std::size(kAliases) == kAliasCount);
static_assert(std::size(kTypes) + std::size(kAliases) == 497);
static_assert(sorted_and_unique());
static_assert(signatures_valid());
static_assert(aliases_resolve());
static_assert(lengths_cover());
static_assert(count_feed(Feed::Kline) == 446);
static_assert(count_feed(Feed::Trade) == 8);
static_assert(count_feed(Feed::Orderbook) == 7);
static_assert(count_feed(Feed::TradeQuote) == 3);
static_assert(count_feed(Feed::Derivatives) == 16);
static_assert(count_feed(Feed::CrossSection) == 15);
static_assert(count_arity(0) == 166);
static_assert(count_arity(1) == 200);
static_assert(count_arity(2) == 90);
static_assert(count_arity(3) == 31);
static_assert(count_arity(4) == 6);
static_assert(count_arity(8) == 1);
static_assert(count_arity(9) == 1);
static_assert(count_reads() == 514);

// ---- builders, gathered once from the families ----

using BuilderTable = std::array<Builder, kTypeCount>;

BuilderTable assemble_builders() {
    BuilderTable table{};
    auto add = [&table](std::span<const BuilderRow> rows) {
        for (const auto& row : rows) {
            auto index = find_type(row.type);
            require(index.has_value(), "every builder row names a type of the table");
            require(table[*index] == nullptr, "every type has at most one builder row");
            require(row.build != nullptr, "a builder row has a builder");
            table[*index] = row.build;
        }
    };
#define PRYNOX_ADD_REGISTRY_FAMILY(name) add(registry_family::name());
    PRYNOX_REGISTRY_FAMILIES(PRYNOX_ADD_REGISTRY_FAMILY)
#undef PRYNOX_ADD_REGISTRY_FAMILY
    return table;
}

}  // namespace

std::span<const TypeRow> type_rows() { return kTypes; }
std::span<const AliasRow> alias_rows() { return kAliases; }

std::optional<std::size_t> find_type(std::string_view name) {
    // Impossible lengths are refused before any comparison.
    if (name.size() < kShortestName || name.size() > kLongestName) return std::nullopt;
    auto it = std::lower_bound(std::begin(kTypes), std::end(kTypes), name,
                               [](const TypeRow& row, std::string_view n) { return row.name < n; });
    if (it == std::end(kTypes) || it->name != name) return std::nullopt;
    return static_cast<std::size_t>(it - std::begin(kTypes));
}

std::optional<std::string_view> find_alias(std::string_view name) {
    for (const auto& a : kAliases)
        if (a.name == name) return a.type;
    return std::nullopt;
}

Builder type_builder(std::size_t index) {
    static const BuilderTable table = assemble_builders();
    require(index < kTypeCount, "type index is within the table");
    return table[index];
}

}  // namespace prynox
