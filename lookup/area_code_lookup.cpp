// SPDX-License-Identifier: Apache-2.0
// The area-code lookup: "Where is that area code".
#include "area_code_lookup.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "line_reader.h"
#include "mid_text.h"
#include "number_text.h"
#include "read_number.h"
#include "record_layout.h"

namespace lookup {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decides whether a record's code field reads as the entered code. Almost every field is three
// plain digits, whose reading is their integer value; those are compared as integers, and any
// other field goes through the full number reading.
class CodeFieldMatcher {
 public:
  explicit CodeFieldMatcher(std::string entered) : entered_(std::move(entered)) {
    const double value = NumberValue(entered_);
    if (value == static_cast<int>(value)) enteredInteger_ = static_cast<int>(value);
  }

  bool operator()(std::string_view field) const {
    if (field.size() == 3 && IsDigit(field[0]) && IsDigit(field[1]) && IsDigit(field[2])) {
      return (field[0] - '0') * 100 + (field[1] - '0') * 10 + (field[2] - '0') == enteredInteger_;
    }
    return NumberText(ReadNumber(field)) == entered_;
  }

 private:
  std::string entered_;
  std::optional<int> enteredInteger_;  // none for a fraction, which no three-digit field reads as
};

}  // namespace

void Command1_Click(MainWindowOperations& window) {
  std::string entered = NumberText(ReadNumber(window.EntryText()));
  const double value = NumberValue(entered);
  if (!(value >= kLowestAreaCode && value <= kHighestAreaCode)) {
    window.ShowResult(std::string(kInvalidEntryMessage));
    return;
  }

  LineReader directory;
  directory.Open(std::string(kDirectoryFile));
  const CodeFieldMatcher matches(std::move(entered));
  while (!directory.AtEnd()) {
    const std::string_view record = directory.NextLineView(kRecordLength);
    if (matches(MidText(record, kCodeStart, kCodeLength))) {
      std::string result(MidText(record, kRegionStart, kRegionLength));
      result += kRegionSeparator;
      result += MidText(record, kCityStart, kCityLength);
      directory.Close();
      window.ShowResult(result);
      return;
    }
  }
  directory.Close();
  window.ShowResult(std::string(kNotFoundMessage));
}

}  // namespace lookup
