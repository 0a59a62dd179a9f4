#pragma once
// Building the std::optional<double> that Indicator::update returns. g++ 12 assembles the
// returned optional's flag word with a byte store and a wider reload, a store-forwarding stall
// that doubles the cost of a cheap update; copying a ready {value, flag} image instead gives a
// plain register return. The image layout (the value, then the engaged flag) is that of
// libstdc++ and libc++; the indicator tests check it.
#include <cstdint>
#include <cstring>
#include <optional>
#include <type_traits>

namespace prynox {

static_assert(sizeof(std::optional<double>) == 16 && std::is_trivially_copyable_v<std::optional<double>>);

namespace detail {
struct OptionalImage {
    double value;
    std::uint64_t engaged;
};
inline std::optional<double> from_image(OptionalImage image) {
    std::optional<double> out;
    std::memcpy(static_cast<void*>(&out), &image, sizeof out);
    return out;
}
}  // namespace detail

inline std::optional<double> some_value(double v) { return detail::from_image({v, 1}); }
inline std::optional<double> no_value() { return detail::from_image({0.0, 0}); }

}  // namespace prynox
