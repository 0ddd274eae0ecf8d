# SPDX-License-Identifier: Apache-2.0
# The version record and icon of a Windows executable.

# Compiles cmake/version.rc.in, with the program's version and icon, into the executable `target`
# when building for Windows; does nothing elsewhere.
function(vantrel_add_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  math(EXPR VANTREL_VERSION_MINOR_NUMBER "${PROJECT_VERSION_MINOR}")  # "00" is written 0
  set(VANTREL_ICON_FILE ${PROJECT_SOURCE_DIR}/packaging/icons/vantrel-area-code.ico)
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.rc.in ${PROJECT_BINARY_DIR}/version.rc
                 @ONLY)
  target_sources(${target} PRIVATE ${PROJECT_BINARY_DIR}/version.rc)
endfunction()
