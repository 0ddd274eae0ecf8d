// SPDX-License-Identifier: Apache-2.0
// Test support: memory that runs out at a chosen moment.
#pragma once

namespace window_testing {

// Makes the next allocation with operator new, and only that one, throw std::bad_alloc.
void FailNextAllocation();

}  // namespace window_testing
