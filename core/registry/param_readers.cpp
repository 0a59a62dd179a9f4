#include "core/registry/param_readers.hpp"

#include <cmath>

#include "core/text/fill_message.hpp"
#include "core/text/float_text.hpp"
#include "indicators/cores/saturating.hpp"

namespace prynox {

namespace {

constexpr double kIntegralBound = 2.220446049250313e-16;

EngineError refusal(std::string_view type, std::string message) {
    return EngineError::invalid_parameters(std::string(type), std::move(message));
}

EngineError value_refusal(std::string_view type, const char* message, std::size_t k, double v) {
    std::string index = std::to_string(k);
    std::string value;
    append_float_plain(value, v);
    return refusal(type, fill_message(message, {index, value}));
}

}  // namespace

bool is_integral_param(double v) { return std::fabs(v - std::trunc(v)) <= kIntegralBound; }

std::expected<double, EngineError> param_f64(std::span<const double> params, std::size_t k, std::string_view type) {
    if (k >= params.size()) return std::unexpected(refusal(type, fill_message(kMissingParameterMessage, {std::to_string(k)})));
    double v = params[k];
    if (!std::isfinite(v)) return std::unexpected(refusal(type, fill_message(kNotFiniteMessage, {std::to_string(k)})));
    return v;
}

std::expected<std::uint64_t, EngineError> param_positive_int(std::span<const double> params, std::size_t k,
                                                             std::string_view type) {
    auto v = param_f64(params, k, type);
    if (!v) return std::unexpected(std::move(v.error()));
    if (!(*v > 0.0 && is_integral_param(*v))) return std::unexpected(value_refusal(type, kNotPositiveIntegerMessage, k, *v));
    return saturating_u64(std::trunc(*v));
}

std::expected<std::int32_t, EngineError> param_i32(std::span<const double> params, std::size_t k, std::string_view type) {
    auto v = param_f64(params, k, type);
    if (!v) return std::unexpected(std::move(v.error()));
    if (!(is_integral_param(*v) && *v >= -2147483648.0 && *v <= 2147483647.0))
        return std::unexpected(value_refusal(type, kNotI32Message, k, *v));
    return static_cast<std::int32_t>(std::trunc(*v));
}

std::expected<std::uint32_t, EngineError> param_u32(std::span<const double> params, std::size_t k,
                                                    std::string_view type) {
    auto v = param_f64(params, k, type);
    if (!v) return std::unexpected(std::move(v.error()));
    if (!(*v >= 0.0 && *v <= 4294967295.0 && is_integral_param(*v)))
        return std::unexpected(value_refusal(type, kNotU32Message, k, *v));
    return static_cast<std::uint32_t>(std::trunc(*v));
}

}  // namespace prynox
