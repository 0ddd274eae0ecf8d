// SPDX-License-Identifier: Apache-2.0
// Figures that the benchmarks report.
#include "bench_support.h"

#include <algorithm>

namespace bench {

double Median(std::vector<double>& values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace bench
