// Builds: the json layer sees its own headers and the model's, which it links.
#include "core/json/lexer.hpp"
#include "core/model/market.hpp"
