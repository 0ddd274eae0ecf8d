# SPDX-License-Identifier: Apache-2.0
# Checks how release notes in the form of CHANGELOG.md become the Debian changelog and AppStream
# releases: dates across leap days and centuries, what is left out, what is escaped, and that a
# malformed file stops the build. Run: cmake -DWORK=FOLDER -P release_notes_test.cmake
# (with -DCHANGELOG=FILE it only reads that file, for the cases that must fail).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../release-notes.cmake)
set(maintainer "A Maintainer <a@example.org>")

if(DEFINED CHANGELOG)
  vantrel_read_release_notes(${CHANGELOG} pkg "${maintainer}")
  return()
endif()

set(failures 0)
function(check what expected actual)
  if(expected STREQUAL actual)
    message("ok: ${what}")
  else()
    message("FAIL: ${what}\n  expected: [${expected}]\n  actual:   [${actual}]")
    math(EXPR failures "${failures} + 1")
    set(failures ${failures} PARENT_SCOPE)
  endif()
endfunction()

# Each release's date: its Debian form and, for the latest, its epoch.
foreach(case "2026-12-08|Tue, 08 Dec 2026|1796688000" "2024-02-29|Thu, 29 Feb 2024|1709164800"
             "2000-03-01|Wed, 01 Mar 2000|951868800" "1970-01-01|Thu, 01 Jan 1970|0"
             "2100-03-01|Mon, 01 Mar 2100|4107542400" "2026-01-31|Sat, 31 Jan 2026|1769817600")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 date)
  list(GET case 1 debian_date)
  list(GET case 2 epoch)
  file(WRITE ${WORK}/dated.md "# Changelog\n\n## [1.0] - ${date}\n\n### Added\n\n- One.\n")
  vantrel_read_release_notes(${WORK}/dated.md pkg "${maintainer}")
  string(REGEX MATCH " -- [^\n]*" trailer "${VANTREL_DEBIAN_CHANGELOG}")
  check("${date}: Debian trailer" " -- ${maintainer}  ${debian_date} 00:00:00 +0000" "${trailer}")
  check("${date}: epoch" "${epoch}" "${VANTREL_RELEASE_EPOCH}")
endforeach()

# Two releases under an unreleased section, with two groups, a bullet over two lines, Windows line
# ends, and the characters that XML, CMake lists and Markdown treat specially.
string(CONCAT notes
  "# Changelog\r\n\r\nIntroduction.\r\n\r\n"
  "## [Unreleased]\r\n\r\n### Added\r\n\r\n- Not yet.\r\n\r\n"
  "## [1.01] - 2027-01-02\r\n\r\n### Fixed\r\n\r\n- A & B < C > D; E `code`\r\n  goes on.\r\n"
  "- Second.\r\n\r\n### Changed\r\n\r\n- Third.\r\n\r\n"
  "## [1.00] - 2026-12-08\r\n\r\n### Added\r\n\r\n- First.\r\n")
file(WRITE ${WORK}/two.md "${notes}")
vantrel_read_release_notes(${WORK}/two.md pkg "${maintainer}")
check("latest version" 1.01 "${VANTREL_RELEASE_VERSION}")
check("latest date" 2027-01-02 "${VANTREL_RELEASE_DATE}")
string(CONCAT debian
  "pkg (1.01) unstable; urgency=medium\n\n"
  "  * Fixed:\n    - A & B < C > D; E code\n      goes on.\n    - Second.\n"
  "  * Changed:\n    - Third.\n\n -- ${maintainer}  Sat, 02 Jan 2027 00:00:00 +0000\n\n"
  "pkg (1.00) unstable; urgency=medium\n\n"
  "  * Added:\n    - First.\n\n -- ${maintainer}  Tue, 08 Dec 2026 00:00:00 +0000\n")
check("Debian changelog" "${debian}" "${VANTREL_DEBIAN_CHANGELOG}")
string(CONCAT appstream
  "    <release version=\"1.01\" date=\"2027-01-02\">\n      <description>\n"
  "        <p>Fixed:</p>\n        <ul>\n"
  "          <li>A &amp; B &lt; C &gt; D; E code goes on.</li>\n          <li>Second.</li>\n"
  "        </ul>\n        <p>Changed:</p>\n        <ul>\n          <li>Third.</li>\n"
  "        </ul>\n      </description>\n    </release>\n"
  "    <release version=\"1.00\" date=\"2026-12-08\">\n      <description>\n"
  "        <p>Added:</p>\n        <ul>\n          <li>First.</li>\n        </ul>\n"
  "      </description>\n    </release>\n")
check("AppStream releases" "${appstream}" "${VANTREL_APPSTREAM_RELEASES}")

# Files that must stop the build rather than give wrong notes.
foreach(case "no release|# Changelog\n\nNothing yet.\n"
             "a release without its date|## [1.00]\n\n### Added\n\n- One.\n"
             "a date written otherwise|## [1.00] - 8 December 2026\n\n### Added\n\n- One.\n"
             "a bullet outside a group|## [1.00] - 2026-12-08\n\n- One.\n"
             "a line of prose in a release|## [1.00] - 2026-12-08\n\nSome words.\n")
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 what)
  list(GET case 1 text)
  file(WRITE ${WORK}/bad.md "${text}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${WORK}/bad.md -P ${CMAKE_CURRENT_LIST_FILE}
                  RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(result EQUAL 0)
    set(result accepted)
  else()
    set(result refused)
  endif()
  check("${what} is refused" refused ${result})
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} check(s) failed")
endif()
message("all release-notes checks passed")
