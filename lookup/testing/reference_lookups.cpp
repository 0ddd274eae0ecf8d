// SPDX-License-Identifier: Apache-2.0
// Both lookups as lists of lines searched from the top, with the reference number rules.
#include "reference_lookups.h"

#include "area_code_lookup.h"
#include "metro_areas.h"
#include "record_layout.h"
#include "reference_lines.h"
#include "reference_numbers.h"

namespace lookup_testing {
namespace {

// The `count` characters of `line` from position `first` on, counted from 1, as far as the line
// reaches.
std::string Characters(std::string_view line, std::size_t first, std::size_t count) {
  std::string field;
  for (std::size_t position = first; position < first + count && position <= line.size();
       ++position) {
    field += line[position - 1];
  }
  return field;
}

}  // namespace

ReferenceAreaCodeAnswer ReferenceCommand1(std::string_view entry, std::string_view directory) {
  const std::string entered = ReferenceNumberText(ReferenceReadNumber(entry));
  const double value = ReferenceNumberValue(entered);
  if (!(value >= lookup::kLowestAreaCode && value <= lookup::kHighestAreaCode)) {
    return {false, std::string(lookup::kInvalidEntryMessage)};
  }
  for (const ReferenceLine& line : ReferenceLines(directory)) {
    const std::string code = Characters(line.text, lookup::kCodeStart, lookup::kCodeLength);
    if (ReferenceNumberText(ReferenceReadNumber(code)) == entered) {
      return {true, Characters(line.text, lookup::kRegionStart, lookup::kRegionLength) +
                        std::string(lookup::kRegionSeparator) +
                        Characters(line.text, lookup::kCityStart, lookup::kCityLength)};
    }
  }
  return {true, std::string(lookup::kNotFoundMessage)};
}

std::vector<std::string> ReferenceMetroNames(std::string_view metro) {
  std::vector<std::string> names;
  for (const ReferenceLine& line : ReferenceLines(metro)) {
    names.push_back(Characters(line.text, lookup::kMetroNameStart, lookup::kMetroNameLength));
  }
  return names;
}

std::optional<std::string> ReferenceCommand2(const std::optional<std::string>& selection,
                                             std::string_view metro) {
  if (!selection) return std::nullopt;
  for (const ReferenceLine& line : ReferenceLines(metro)) {
    if (Characters(line.text, lookup::kMetroNameStart, lookup::kMetroNameLength) == *selection)
      return line.text;
  }
  return std::nullopt;
}

}  // namespace lookup_testing
