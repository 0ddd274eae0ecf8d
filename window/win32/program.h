// SPDX-License-Identifier: Apache-2.0
// The program's life from start to end.
#pragma once

namespace window {

// The program's life: makes the window, loads it, shows it and runs the event loop; returns the
// process's exit status.
int RunProgram();

}  // namespace window
