# SPDX-License-Identifier: Apache-2.0
# Sourced by the shell tests: the directory's field positions, read from lookup/record_layout.h,
# and `record`, which writes one directory record with them.

layout_header="$(dirname "${BASH_SOURCE[0]}")/../record_layout.h"
layout_field() {  # layout_field NAME: the value of the constant kNAME in the layout header
  local value
  value=$(sed -n "s/^inline constexpr std::size_t k$1 = \([0-9]*\);$/\1/p" "$layout_header")
  [ -n "$value" ] || { echo "FAIL: k$1 is not in $layout_header" >&2; exit 1; }
  echo "$value"
}
region_start=$(layout_field RegionStart)
region_length=$(layout_field RegionLength)
code_start=$(layout_field CodeStart)
code_length=$(layout_field CodeLength)
city_start=$(layout_field CityStart)
city_length=$(layout_field CityLength)

record() {  # record REGION CODE CITY: one directory record and its CR LF
  local line
  printf -v line '%-*s%-*s' $((region_start - 1)) COUNTRY $((code_start - region_start)) "$1"
  printf -v line '%s%-*s' "$line" $((city_start - code_start)) "$2"
  printf '%s%s\r\n' "$line" "$3"
}
