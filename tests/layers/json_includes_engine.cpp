// Must not build: the json layer links only the model and text layers, so an engine header
// is out of its sight.
#include "core/engine/backtest.hpp"
#include "core/json/lexer.hpp"
