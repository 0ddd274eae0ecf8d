// SPDX-License-Identifier: Apache-2.0
// Directory records built field by field at the positions the lookup reads.
#include "directory_record.h"

#include "record_layout.h"

namespace lookup_testing {
namespace {

void PutField(std::string& record, std::size_t start, std::size_t length, std::string_view value) {
  value = value.substr(0, length);
  record.replace(start - 1, value.size(), value);
}

}  // namespace

std::string Record(std::string_view region, std::string_view code, std::string_view city) {
  std::string record = "COUNTRY";
  record.resize(lookup::kCityStart - 1, ' ');
  PutField(record, lookup::kRegionStart, lookup::kRegionLength, region);
  PutField(record, lookup::kCodeStart, lookup::kCodeLength, code);
  record += city;
  return record;
}

}  // namespace lookup_testing
