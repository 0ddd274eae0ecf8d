// SPDX-License-Identifier: Apache-2.0
// Plain models of both lookups over whole files held in memory, to check the library against.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lookup_testing {

// What an area-code request does: whether it opens the directory, and the one text it shows.
struct ReferenceAreaCodeAnswer {
  bool opensDirectory = false;
  std::string shown;
};

// The answer to the entry `entry` with the directory file `directory`.
ReferenceAreaCodeAnswer ReferenceCommand1(std::string_view entry, std::string_view directory);

// The metro list that the metro file `metro` fills.
std::vector<std::string> ReferenceMetroNames(std::string_view metro);

// The line that a metro request for `selection` shows, if any (nothing is shown for a selection
// that cannot be written in the file's character set).
std::optional<std::string> ReferenceCommand2(const std::optional<std::string>& selection,
                                             std::string_view metro);

}  // namespace lookup_testing
