#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fuzz {

void Require(bool condition) {
  if (!condition) std::abort();
}

void EnterScratchFolder() {
  static const bool entered = [] {
    const auto folder =
        std::filesystem::temp_directory_path() / ("vantrel-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    return true;
  }();
  Require(entered);
}

void WriteFile(const std::string& name, std::string_view bytes) {
  std::FILE* file = std::fopen(name.c_str(), "wb");
  Require(file != nullptr);
  Require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
  Require(std::fclose(file) == 0);
}

std::string_view Part(std::string_view input, std::string_view separator, int index) {
  for (int i = 0; i < index; ++i) {
    const std::size_t at = input.find(separator);
    if (at == std::string_view::npos) return {};
    input.remove_prefix(at + separator.size());
  }
  return input.substr(0, input.find(separator));
}

}  // namespace fuzz
