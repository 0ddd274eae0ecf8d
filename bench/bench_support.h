// SPDX-License-Identifier: Apache-2.0
// Figures that the benchmarks report.
#pragma once

#include <vector>

namespace bench {

// The median of `values` (which it sorts).
double Median(std::vector<double>& values);

}  // namespace bench
