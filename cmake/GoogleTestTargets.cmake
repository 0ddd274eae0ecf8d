# SPDX-License-Identifier: Apache-2.0
# GoogleTest as GTest::gtest and GTest::gtest_main: built from sources with the project's own
# compiler when cross-compiling (the packaged libraries are for the build machine) or when
# VANTREL_GOOGLETEST_SOURCE_DIR names them, else the installed package.
if(CMAKE_CROSSCOMPILING AND NOT VANTREL_GOOGLETEST_SOURCE_DIR)
  set(VANTREL_GOOGLETEST_SOURCE_DIR /usr/src/googletest)  # Debian's googletest package
endif()
if(NOT VANTREL_GOOGLETEST_SOURCE_DIR)
  find_package(GTest REQUIRED)
  return()
endif()

if(NOT EXISTS ${VANTREL_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${VANTREL_GOOGLETEST_SOURCE_DIR}; "
                      "scripts/install-deps.sh test installs Debian's googletest package")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# With Visual C++, link the same C run-time library as the project does: the static one, as
# CMAKE_MSVC_RUNTIME_LIBRARY names it. GoogleTest asks for an older CMake, which would leave that
# variable unread and the library to the compiler's default.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(CMAKE_POLICY_DEFAULT_CMP0091 NEW)
add_subdirectory(${VANTREL_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                 EXCLUDE_FROM_ALL SYSTEM)
