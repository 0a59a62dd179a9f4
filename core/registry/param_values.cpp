#include "core/registry/param_values.hpp"

#include "core/registry/param_readers.hpp"
#include "indicators/invariant.hpp"

namespace prynox {

std::expected<ParamValues, EngineError> ParamValues::read(std::string_view signature, std::span<const double> params,
                                                          std::string_view type) {
    require(valid_signature(signature), "parameter signature is valid");
    ParamValues out;
    out.signature_ = signature;
    for (std::size_t k = 0; k < signature.size(); ++k) {
        switch (signature[k]) {
            case 'P': {
                auto v = param_positive_int(params, k, type);
                if (!v) return std::unexpected(std::move(v.error()));
                out.values_[k].u = *v;
                break;
            }
            case 'F': {
                auto v = param_f64(params, k, type);
                if (!v) return std::unexpected(std::move(v.error()));
                out.values_[k].f = *v;
                break;
            }
            case 'I': {
                auto v = param_i32(params, k, type);
                if (!v) return std::unexpected(std::move(v.error()));
                out.values_[k].i = *v;
                break;
            }
            case 'U': {
                auto v = param_u32(params, k, type);
                if (!v) return std::unexpected(std::move(v.error()));
                out.values_[k].u = *v;
                break;
            }
        }
    }
    return out;
}

const ParamValues::Value& ParamValues::slot(std::size_t k, char kind) const {
    require(k < signature_.size() && signature_[k] == kind, "builder reads its parameters as the signature declares");
    return values_[k];
}

}  // namespace prynox
