#pragma once
// Moved into indicator_test_support.hpp; kept so that the files that still include this name
// build unchanged.
#include "indicator_test_support.hpp"
