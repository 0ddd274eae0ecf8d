// SPDX-License-Identifier: Apache-2.0
// The four operations on the main window that the lookups use.
#pragma once

#include <optional>
#include <string>

namespace lookup {

// What the lookups need of the main window. Texts are in the data files' character set, one byte
// a character.
class MainWindowOperations {
 public:
  virtual ~MainWindowOperations() = default;

  // The current text of the area-code entry box.
  virtual std::string EntryText() = 0;
  // Replaces the results box's whole text with `text` and puts it on the screen at once.
  virtual void ShowResult(const std::string& text) = 0;
  // The current text of the metro-area box; nothing when it holds a character that the data
  // files' character set cannot hold, so that it can match no line.
  virtual std::optional<std::string> MetroSelection() = 0;
  // Appends `name` as the last item of the metro-area list.
  virtual void AddMetroName(const std::string& name) = 0;
};

}  // namespace lookup
