# SPDX-License-Identifier: Apache-2.0
# Read by cpack before it makes each package: sets SOURCE_DATE_EPOCH, unless it is set already, to
# the time of the source's last commit, or, outside a git checkout (a source archive), to the
# date of the latest release in CHANGELOG.md. cpack stamps the files in the .deb and the ZIP with
# it, and strip stamps it into a Windows program, so that the packages' bytes depend on the
# source alone.

# A ZIP keeps its files' times as local times: those of UTC, whatever the machine's time zone.
set(ENV{TZ} UTC0)

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
set(epoch "")
find_program(VANTREL_GIT git)
if(VANTREL_GIT AND EXISTS ${CPACK_VANTREL_SOURCE_DIR}/.git)
  execute_process(COMMAND ${VANTREL_GIT} log -1 --format=%ct
                  WORKING_DIRECTORY ${CPACK_VANTREL_SOURCE_DIR}
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                  ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  set(epoch ${CPACK_VANTREL_RELEASE_EPOCH})
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
