#pragma once

#include <string>
#include <string_view>

namespace lookup::testing {

// A directory record: country in 1-12, region in 13-14, code in 17-19, city text from 25 on.
inline std::string Record(std::string_view region, std::string_view code, std::string_view city) {
  std::string record = "COUNTRY     ";
  record += region;
  record += "  ";
  record += code;
  record += "     ";
  record += city;
  return record;
}

}  // namespace lookup::testing
