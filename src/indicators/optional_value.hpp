#pragma once
// The result of one update: a value, or none. Both halves are full machine words, so the
// result comes back in two registers (the value in a floating-point register, the presence in
// an integer one). A std::optional<double> carries a one-byte flag beside undefined padding,
// and g++ builds it in memory and reloads it at a different width: a store-forwarding stall
// that cost a third of a cheap update.
#include <cstdint>
#include <optional>
#include <type_traits>

namespace prynox {

class OptionalValue {
public:
    constexpr OptionalValue() = default;
    constexpr OptionalValue(std::nullopt_t) {}
    constexpr OptionalValue(double v) : value_(v), present_(1) {}
    constexpr OptionalValue(const std::optional<double>& v) : value_(v ? *v : 0.0), present_(v ? 1 : 0) {}

    constexpr bool has_value() const { return present_ != 0; }
    constexpr explicit operator bool() const { return present_ != 0; }
    constexpr double operator*() const { return value_; }
    constexpr double value_or(double fallback) const { return present_ != 0 ? value_ : fallback; }
    constexpr void reset() { *this = OptionalValue(); }
    constexpr operator std::optional<double>() const {
        return present_ != 0 ? std::optional<double>(value_) : std::nullopt;
    }

    // Equality as for std::optional: two absent results are equal, a present one compares its
    // value (so NaN equals nothing).
    friend constexpr bool operator==(const OptionalValue& a, const OptionalValue& b) {
        if (a.has_value() != b.has_value()) return false;
        return !a.has_value() || a.value_ == b.value_;
    }
    friend constexpr bool operator==(const OptionalValue& a, std::nullopt_t) { return !a.has_value(); }
    friend constexpr bool operator==(const OptionalValue& a, double b) { return a.has_value() && a.value_ == b; }
    // Exact matches, so that std::optional's own templates (which treat an absent optional
    // as unequal to any other value) are never chosen.
    friend constexpr bool operator==(const OptionalValue& a, const std::optional<double>& b) {
        return a == OptionalValue(b);
    }

private:
    double value_ = 0.0;
    std::uint64_t present_ = 0;
};

static_assert(sizeof(OptionalValue) == 16 && std::is_trivially_copyable_v<OptionalValue>);

}  // namespace prynox
