#pragma once
// A family's builder rows. A row names a type of the table (type_rows.hpp) and the function that
// constructs it:
//     row<"Kama", Kama::create>()
// The row reads the parameters with the readers of the type's signature, in index order, and
// hands them, typed, to the constructor; the constructor's state is boxed with the contract of
// the feed its step reads (indicators/boxed.hpp). A row whose constructor does not take exactly
// the signature's kinds in order, or whose step reads another feed than the table gives, does
// not compile. Where a constructor takes its parameters in another order, the row's function is
// a small lambda that takes them in index order and passes them on.
#include <cstddef>
#include <cstdint>
#include <expected>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "core/errors/engine_error.hpp"
#include "core/registry/param_readers.hpp"
#include "core/registry/type_rows.hpp"
#include "indicators/boxed.hpp"
#include "indicators/indicator.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

using BuildResult = std::expected<std::unique_ptr<Indicator>, EngineError>;
using Builder = BuildResult (*)(std::span<const double> params);

struct BuilderRow {
    std::string_view type;  // exactly as in the type table
    Builder build;
};

namespace entry {

template <std::size_t N>
struct TypeName {
    char text[N]{};
    consteval TypeName(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

consteval TypeRow table_row(std::string_view name) {
    for (const auto& row : kTypes)
        if (row.name == name) return row;
    throw "a builder row names a type of the table";
}

template <TypeName Name>
struct RowOf {
    static constexpr TypeRow row = table_row(Name.view());
};

// The reader of each signature letter and the type it gives.
template <char Kind>
struct Param;
template <>
struct Param<'P'> {
    using type = std::uint64_t;
    static constexpr auto read = &param_positive_int;
};
template <>
struct Param<'F'> {
    using type = double;
    static constexpr auto read = &param_f64;
};
template <>
struct Param<'I'> {
    using type = std::int32_t;
    static constexpr auto read = &param_i32;
};
template <>
struct Param<'U'> {
    using type = std::uint32_t;
    static constexpr auto read = &param_u32;
};

template <char Kind>
bool read_param(std::span<const double> params, std::size_t k, std::string_view type, typename Param<Kind>::type& out,
                std::optional<EngineError>& refusal) {
    auto v = Param<Kind>::read(params, k, type);
    if (!v) {
        refusal = std::move(v.error());
        return false;
    }
    out = *v;
    return true;
}

template <class Fn>
struct Signature;
template <class R, class... A>
struct Signature<R (*)(A...)> {
    using args = std::tuple<A...>;
    using result = R;
};

template <class Result>
struct StateOf;
template <class State>
struct StateOf<std::expected<State, IndicatorError>> {
    using type = State;
};

template <TypeName Name, auto Create>
BuildResult build(std::span<const double> params) {
    static constexpr TypeRow row = RowOf<Name>::row;
    using Fn = decltype(+Create);
    using Args = typename Signature<Fn>::args;
    using State = typename StateOf<typename Signature<Fn>::result>::type;
    static_assert(std::tuple_size_v<Args> == row.signature.size(),
                  "the constructor takes one parameter per letter of the type's signature");
    static_assert(Boxed<State>::kFeed == row.feed, "the type's step reads the feed the table gives");
    return [&]<std::size_t... K>(std::index_sequence<K...>) -> BuildResult {
        static_assert((std::is_same_v<std::tuple_element_t<K, Args>, typename Param<row.signature[K]>::type> && ...),
                      "each constructor parameter has the type of its signature letter's reader");
        std::tuple<typename Param<row.signature[K]>::type...> values{};
        std::optional<EngineError> refusal;
        // In index order; the first refusal ends the reading.
        if (!(read_param<row.signature[K]>(params, K, row.name, std::get<K>(values), refusal) && ...))
            return std::unexpected(std::move(*refusal));
        auto state = Create(std::get<K>(values)...);
        if (!state) return std::unexpected(EngineError::invalid_parameters(std::string(row.name), state.error().display()));
        return std::make_unique<Boxed<State>>(std::move(*state));
    }(std::make_index_sequence<row.signature.size()>{});
}

}  // namespace entry

template <entry::TypeName Name, auto Create>
consteval BuilderRow row() {
    return {entry::RowOf<Name>::row.name, &entry::build<Name, Create>};
}

}  // namespace prynox
