// SPDX-License-Identifier: Apache-2.0
// Directory records built field by field at the positions the lookup reads.
#pragma once

#include <string>
#include <string_view>

namespace lookup_testing {

// A directory record: a country name, then `region`, `code` and `city` at their fields' positions,
// blanks between them. Region and code are cut to their fields' lengths; the city text is kept
// whole, however long, so that tests can write records longer than a lookup reads.
std::string Record(std::string_view region, std::string_view code, std::string_view city);

}  // namespace lookup_testing
