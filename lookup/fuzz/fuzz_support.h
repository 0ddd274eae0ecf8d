// SPDX-License-Identifier: Apache-2.0
// What every fuzz target needs besides the shared test support: findings, a folder, input parts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Ends the run as a finding when `condition` is false.
void Require(bool condition);

// Makes a fresh private folder the current folder, once per process; it is removed at exit.
void EnterScratchFolder();

// Splits fuzz input into parts at each occurrence of `separator` (a byte string that inputs
// rarely hold by chance); missing parts are empty.
std::string_view Part(std::string_view input, std::string_view separator, int index);

}  // namespace fuzz
