// SPDX-License-Identifier: Apache-2.0
// Both lookups over any directory file, metro file, entry and selection, against models that
// split the whole files in memory and search the list of lines: the area-code lookup shows the
// same one text and opens the directory only for a valid entry; the metro list holds the same
// names; a metro request shows the same line or nothing. A missing file is fatal exactly where
// the program opens it.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "area_code_lookup.h"
#include "error_number.h"
#include "fatal_error.h"
#include "fuzz_support.h"
#include "metro_areas.h"
#include "record_layout.h"
#include "testing/fake_window.h"
#include "testing/files.h"
#include "testing/reference_lines.h"
#include "testing/reference_lookups.h"

namespace {

// Input parts, split at kSeparator: directory, metro file, entry, selection, switches.
constexpr std::string_view kSeparator = "\xff|";
// Switches: which files are missing, an entry or selection taken from a line of the files, and
// a selection that the files' character set cannot hold.
constexpr unsigned kNoDirectory = 1U << 0U;
constexpr unsigned kNoMetroFile = 1U << 1U;
constexpr unsigned kEntryFromLine = 1U << 2U;
constexpr unsigned kSelectionFromLine = 1U << 3U;
constexpr unsigned kUnmappableSelection = 1U << 4U;

// Characters `first` on of line `index` (modulo the line count) of `file`; empty for no lines.
std::string FromLine(std::string_view file, unsigned index, std::size_t first) {
  const auto lines = lookup_testing::ReferenceLines(file);
  if (lines.empty()) return {};
  const std::string& text = lines[index % lines.size()].text;
  return first <= text.size() ? text.substr(first - 1) : std::string();
}

void WriteOrRemove(const char* name, std::string_view bytes, bool missing) {
  if (missing) {
    std::remove(name);
  } else {
    lookup_testing::WriteFile(name, bytes);
  }
}

// Runs `click` and says whether it ended with the fatal "File not found" of a missing file.
template <typename Click>
bool FileNotFound(Click click) {
  try {
    click();
  } catch (const lookup::FatalError& error) {
    fuzz::Require(error.Number() == lookup::ErrorNumber::kFileNotFound);
    return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterScratchFolder();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view directory = fuzz::Part(input, kSeparator, 0);
  const std::string_view metro = fuzz::Part(input, kSeparator, 1);
  std::string entry(fuzz::Part(input, kSeparator, 2));
  std::optional<std::string> selection(fuzz::Part(input, kSeparator, 3));
  const std::string_view switches = fuzz::Part(input, kSeparator, 4);
  const unsigned flags = switches.empty() ? 0U : static_cast<unsigned char>(switches[0]);
  const unsigned line = switches.size() < 2 ? 0U : static_cast<unsigned char>(switches[1]);
  if ((flags & kEntryFromLine) != 0) entry.insert(0, FromLine(directory, line, lookup::kCodeStart));
  if ((flags & kSelectionFromLine) != 0)
    selection->insert(0, FromLine(metro, line, lookup::kMetroNameStart));
  if ((flags & kUnmappableSelection) != 0) selection.reset();
  const bool noDirectory = (flags & kNoDirectory) != 0;
  const bool noMetroFile = (flags & kNoMetroFile) != 0;
  WriteOrRemove("cities.txt", directory, noDirectory);
  WriteOrRemove("metro.txt", metro, noMetroFile);

  const auto answer = lookup_testing::ReferenceCommand1(entry, directory);
  lookup_testing::FakeWindow window;
  window.entry = entry;
  const bool fatal = FileNotFound([&] { lookup::Command1_Click(window); });
  fuzz::Require(fatal == (noDirectory && answer.opensDirectory));
  if (!fatal) fuzz::Require(window.shown == std::vector<std::string>{answer.shown});

  lookup_testing::FakeWindow loaded;
  fuzz::Require(FileNotFound([&] { lookup::Form_Load(loaded); }) == noMetroFile);
  if (!noMetroFile) fuzz::Require(loaded.metroNames == lookup_testing::ReferenceMetroNames(metro));

  lookup_testing::FakeWindow asked;
  asked.selection = selection;
  fuzz::Require(FileNotFound([&] { lookup::Command2_Click(asked); }) == noMetroFile);
  if (!noMetroFile) {
    const std::optional<std::string> shown = lookup_testing::ReferenceCommand2(selection, metro);
    fuzz::Require(asked.shown ==
                  (shown ? std::vector<std::string>{*shown} : std::vector<std::string>{}));
  }
  return 0;
}
