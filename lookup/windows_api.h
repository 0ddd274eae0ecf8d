// SPDX-License-Identifier: Apache-2.0
// The Windows API as the program's Windows sources include it: without the min/max macros that
// would break std::min and std::max, and without the rarely used parts that slow the build.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
