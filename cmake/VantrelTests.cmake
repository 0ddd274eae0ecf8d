# SPDX-License-Identifier: Apache-2.0
# One way to add each kind of test, each with its time limit.

# vantrel_add_gtest(NAME SOURCES... [LIBRARIES...] [TEST_PREFIX PREFIX]): a GoogleTest executable
# whose tests are found by listing them, each a CTest test of its own, named PREFIX and its name.
function(vantrel_add_gtest name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "TEST_PREFIX" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest GTest::gtest_main)
  vantrel_set_warnings(${name})
  gtest_discover_tests(${name} TEST_PREFIX "${arg_TEST_PREFIX}" DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 300)
endfunction()

# vantrel_add_qt_test(NAME SOURCES... [LIBRARIES...]): a Qt Test executable, run as one test on
# the offscreen platform so that it needs no display.
function(vantrel_add_qt_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} Qt6::Test)
  vantrel_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
endfunction()

# vantrel_add_x11_test(NAME SCRIPT TIMEOUT SECONDS [ARGS...]): a shell script that drives the real
# program under a private Xvfb. Run alone, since it moves the mouse and the keyboard focus.
function(vantrel_add_x11_test name script)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "TIMEOUT" "ARGS")
  add_test(NAME ${name} COMMAND bash ${script} ${arg_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${arg_TIMEOUT} RUN_SERIAL TRUE)
endfunction()

# Windows programs that show windows, run under wine when building for Windows elsewhere.
if(BUILD_TESTING AND WIN32 AND CMAKE_CROSSCOMPILING AND VANTREL_WINE)
  include(WineWindowTests)
elseif(BUILD_TESTING AND WIN32 AND CMAKE_CROSSCOMPILING)
  message(WARNING "No wine found: the tests that show windows are left out of this build")
endif()
