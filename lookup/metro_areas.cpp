// SPDX-License-Identifier: Apache-2.0
// The metro-area list and its lookup: "Area Codes in a metro area".
#include "metro_areas.h"

#include <optional>
#include <string>

#include "line_reader.h"
#include "record_layout.h"

namespace lookup {

void Form_Load(MainWindowOperations& window) {
  LineReader metro;
  metro.Open(std::string(kMetroFile));
  std::string name;
  while (!metro.AtEnd()) {
    metro.NextLine(name, kMetroNameLength);
    window.AddMetroName(name);
  }
  metro.Close();
}

void Command2_Click(MainWindowOperations& window) {
  const std::optional<std::string> selection = window.MetroSelection();
  // The file is opened and read even for a selection that no line can name (one with a
  // character the file's character set lacks), so that a missing or unreadable file is fatal at
  // every request, whatever was chosen.
  LineReader metro;
  metro.Open(std::string(kMetroFile));
  std::string line;
  while (!metro.AtEnd()) {
    // Only the name is read first, so that long lines that do not match are never held whole.
    line.clear();
    const bool whole = metro.ReadLinePart(line, kMetroNameLength);
    if (line == selection) {
      if (!whole) metro.ReadLinePart(line, LineReader::kWholeLine);
      metro.Close();
      window.ShowResult(line);
      return;
    }
    if (!whole) metro.SkipRestOfLine();
  }
  metro.Close();
}

}  // namespace lookup
