#pragma once
// Message templates: texts with "{}" placeholders, kept once as constants by the code that
// issues them, filled when the error is made.
#include <initializer_list>
#include <string>
#include <string_view>

namespace prynox {

// "{}" of a message template replaced, in order, by the given texts.
std::string fill_message(std::string_view message_template, std::initializer_list<std::string_view> args);

}  // namespace prynox
