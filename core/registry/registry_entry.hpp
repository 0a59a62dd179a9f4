#pragma once
// What a family of indicator types hands the registry: one row per type name with the
// function that builds it from the values its signature read.
#include <expected>
#include <memory>
#include <string>
#include <span>
#include <string_view>
#include <utility>

#include "core/errors/engine_error.hpp"
#include "core/registry/param_values.hpp"
#include "indicators/close_indicator.hpp"
#include "indicators/indicator.hpp"
#include "indicators/indicator_error.hpp"

namespace prynox {

using BuildResult = std::expected<std::unique_ptr<Indicator>, IndicatorError>;
using Builder = BuildResult (*)(const ParamValues&);

struct BuilderRow {
    std::string_view type;  // exactly as in the type table
    Builder build;
};

// Boxes a constructor's result as a single-series indicator fed by the close.
template <class State>
BuildResult box_close(std::expected<State, IndicatorError> state) {
    if (!state) return std::unexpected(state.error());
    return std::make_unique<CloseIndicator<State>>(std::move(*state));
}

// Boxes a constructor's result with the given Indicator class (constructible from the state).
template <class Box, class State>
BuildResult box_as(std::expected<State, IndicatorError> state) {
    if (!state) return std::unexpected(state.error());
    return std::make_unique<Box>(std::move(*state));
}

// A constructor's result with its IndicatorError turned into the invalid-parameters error that
// names the type.
template <class State>
std::expected<State, EngineError> wrap_constructor_result(std::string_view type,
                                                          std::expected<State, IndicatorError> result) {
    if (result) return std::move(*result);
    return std::unexpected(EngineError::invalid_parameters(std::string(type), result.error().display()));
}

}  // namespace prynox
