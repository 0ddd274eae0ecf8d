// SPDX-License-Identifier: Apache-2.0
// Test output ends its lines with a line feed alone on Windows too, as test discovery expects.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

// Before main, so before the first line of output.
[[maybe_unused]] const int kStdoutMode = _setmode(_fileno(stdout), _O_BINARY);

}  // namespace
