# SPDX-License-Identifier: Apache-2.0
# GoogleTest as GTest::gtest and GTest::gtest_main: the system's package, or, for another system,
# built from Debian's sources with the cross compiler (the packaged libraries are for the host).
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest REQUIRED)
  return()
endif()

set(VANTREL_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest sources, built with the project's compiler when cross-compiling")
if(NOT EXISTS ${VANTREL_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${VANTREL_GOOGLETEST_SOURCE_DIR}: "
                      "scripts/install-deps.sh test installs Debian's googletest package")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VANTREL_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL SYSTEM)
