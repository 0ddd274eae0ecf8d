#include "bench_support.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <stdexcept>

namespace bench {

std::string Record(const std::string& region, int code, const std::string& city) {
  char codeText[4];
  std::snprintf(codeText, sizeof codeText, "%03d", code);
  return "UNITED STATE" + region + "  " + codeText + "     " + city;
}

double Median(std::vector<double>& values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

ScratchFolder::ScratchFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() / ("vantrel-bench-" + std::to_string(random()));
  if (!std::filesystem::create_directory(path_)) throw std::runtime_error("no scratch folder");
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace bench
