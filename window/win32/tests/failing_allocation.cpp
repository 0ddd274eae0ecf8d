// SPDX-License-Identifier: Apache-2.0
// Test support: memory that runs out at a chosen moment. The tests' executable replaces the global
// operator new and delete, as a program may; the other forms of new call these.
#include "failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> failNext{false};

}  // namespace

namespace window_testing {

void FailNextAllocation() { failNext = true; }

}  // namespace window_testing

void* operator new(std::size_t size) {
  if (failNext.exchange(false)) throw std::bad_alloc();
  if (void* memory = std::malloc(size != 0 ? size : 1)) return memory;
  throw std::bad_alloc();
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t /*size*/) noexcept { std::free(memory); }
