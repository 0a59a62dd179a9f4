#pragma once
// A type's parameter signature and the values its readers produced.
//
// A signature is a short string, one letter per parameter in index order:
//   'P' param_positive_int (a u64 window or count)   'F' param_f64 (a finite real)
//   'I' param_i32 (a minute offset)                  'U' param_u32
// "" reads nothing. The registry reads every parameter of the signature, in order, before a
// builder runs; the builder takes the values by index with the accessor of the same kind.
#include <array>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <span>
#include <string_view>

#include "core/errors/engine_error.hpp"

namespace prynox {

inline constexpr std::size_t kMaxParams = 9;

constexpr bool valid_signature(std::string_view s) {
    if (s.size() > kMaxParams) return false;
    for (char c : s)
        if (c != 'P' && c != 'F' && c != 'I' && c != 'U') return false;
    return true;
}

class ParamValues {
public:
    // Runs the readers of `signature` over `params` in index order; the first refusal wins.
    static std::expected<ParamValues, EngineError> read(std::string_view signature, std::span<const double> params,
                                                        std::string_view type);

    std::uint64_t window(std::size_t k) const { return slot(k, 'P').u; }
    double real(std::size_t k) const { return slot(k, 'F').f; }
    std::int32_t i32(std::size_t k) const { return static_cast<std::int32_t>(slot(k, 'I').i); }
    std::uint32_t u32(std::size_t k) const { return static_cast<std::uint32_t>(slot(k, 'U').u); }
    std::size_t size() const { return signature_.size(); }
    std::string_view signature() const { return signature_; }

private:
    union Value {
        std::uint64_t u;
        std::int64_t i;
        double f;
    };
    // A builder that reads a parameter with the wrong kind, or one the signature lacks, is a
    // bug of the table: it ends the build as a broken invariant.
    const Value& slot(std::size_t k, char kind) const;

    std::string_view signature_;
    std::array<Value, kMaxParams> values_{};
};

}  // namespace prynox
