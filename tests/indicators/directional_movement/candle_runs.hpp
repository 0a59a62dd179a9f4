#pragma once
// Moved to the shared support folder; kept so that other families' includes still resolve.
#include "support/candle_runs.hpp"
