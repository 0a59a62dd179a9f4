#include "core/text/fill_message.hpp"

namespace prynox {

std::string fill_message(std::string_view tmpl, std::initializer_list<std::string_view> args) {
    std::string out;
    auto arg = args.begin();
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] == '{' && i + 1 < tmpl.size() && tmpl[i + 1] == '}' && arg != args.end()) {
            out += *arg++;
            ++i;
        } else {
            out += tmpl[i];
        }
    }
    return out;
}

}  // namespace prynox
