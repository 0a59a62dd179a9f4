#pragma once
// The four parameter readers: each turns entry k of the parameter list into the value a
// constructor needs, or refuses with an invalid-parameters error naming the indicator type.
#include <cstdint>
#include <expected>
#include <span>
#include <string>
#include <string_view>

#include "core/errors/engine_error.hpp"

namespace prynox {

inline constexpr const char* kMissingParameterMessage = "missing parameter #{}";
inline constexpr const char* kNotFiniteMessage = "parameter #{} must be finite";
inline constexpr const char* kNotPositiveIntegerMessage = "parameter #{} must be a positive integer, got {}";
inline constexpr const char* kNotI32Message = "parameter #{} must be an i32, got {}";
inline constexpr const char* kNotU32Message = "parameter #{} must be a u32, got {}";

// |v - trunc(v)| <= 2^-52, an absolute bound.
bool is_integral_param(double v);

// An entry that exists and is finite.
std::expected<double, EngineError> param_f64(std::span<const double> params, std::size_t k, std::string_view type);
// As param_f64, then > 0 and integral; trunc(v) saturating at 2^64 - 1.
std::expected<std::uint64_t, EngineError> param_positive_int(std::span<const double> params, std::size_t k,
                                                             std::string_view type);
// As param_f64, then integral within [-2^31, 2^31 - 1].
std::expected<std::int32_t, EngineError> param_i32(std::span<const double> params, std::size_t k, std::string_view type);
// As param_f64, then integral within [0, 2^32 - 1] (-0 passes as 0).
std::expected<std::uint32_t, EngineError> param_u32(std::span<const double> params, std::size_t k,
                                                    std::string_view type);

}  // namespace prynox
