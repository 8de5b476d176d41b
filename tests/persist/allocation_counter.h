// The bytes operator new has handed out in this test program so far, so a
// test can measure how a piece of work grows with its input without a clock.
#pragma once

#include <cstddef>

namespace vorpex::testing {

size_t bytesAllocated();

}  // namespace vorpex::testing
