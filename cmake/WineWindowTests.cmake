# SPDX-License-Identifier: Apache-2.0
# Tests that show windows under wine: one warm wine session on an Xvfb of its own (96 dpi), in a
# prefix of these tests' own, started once for the run by a fixture and stopped after it.

find_program(VANTREL_WINESERVER NAMES wineserver wineserver64 PATHS /usr/lib/wine /usr/lib64/wine)
set(VANTREL_WINE_WINDOW_SESSION ${CMAKE_BINARY_DIR}/wine-window-session)
set(VANTREL_WINE_WINDOW_PREFIX ${CMAKE_BINARY_DIR}/wine-window-prefix)
set(vantrel_wine_window_runner ${CMAKE_CURRENT_LIST_DIR}/wine-window-session.sh
    ${VANTREL_WINE_WINDOW_SESSION} ${VANTREL_WINE_WINDOW_PREFIX} ${VANTREL_WINE}
    ${VANTREL_WINESERVER})

# The fixture's two tests, added with the first window test so that a build without any does not
# start a display.
function(vantrel_add_wine_window_session)
  get_property(added GLOBAL PROPERTY vantrel_wine_window_session_added)
  if(added)
    return()
  endif()
  set_property(GLOBAL PROPERTY vantrel_wine_window_session_added TRUE)
  add_test(NAME wine_window_session_start COMMAND bash ${vantrel_wine_window_runner} start)
  add_test(NAME wine_window_session_stop COMMAND bash ${vantrel_wine_window_runner} stop)
  # The first start makes the prefix, which takes wine a while.
  set_tests_properties(wine_window_session_start PROPERTIES
                       FIXTURES_SETUP wine_window_session TIMEOUT 180 RUN_SERIAL TRUE)
  set_tests_properties(wine_window_session_stop PROPERTIES
                       FIXTURES_CLEANUP wine_window_session TIMEOUT 60 RUN_SERIAL TRUE)
endfunction()

# vantrel_add_wine_window_test(NAME <name> COMMAND <command> [<argument>...] [TIMEOUT <seconds>]):
# runs the command in the session: DISPLAY, WINEPREFIX and VANTREL_WINE (the wine loader) are set
# for it. When the command is a target, its executable runs under wine. Run alone, since windows
# share the one display, the mouse and the keyboard focus.
function(vantrel_add_wine_window_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;TIMEOUT" "COMMAND")
  if(NOT arg_NAME OR NOT arg_COMMAND)
    message(FATAL_ERROR "vantrel_add_wine_window_test needs NAME and COMMAND")
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  vantrel_add_wine_window_session()
  list(POP_FRONT arg_COMMAND first)
  if(TARGET ${first})
    set(run --wine $<TARGET_FILE:${first}>)
  else()
    set(run -- ${first})
  endif()
  add_test(NAME ${arg_NAME} COMMAND bash ${vantrel_wine_window_runner} run ${run} ${arg_COMMAND})
  set_tests_properties(${arg_NAME} PROPERTIES FIXTURES_REQUIRED wine_window_session
                       RUN_SERIAL TRUE TIMEOUT ${arg_TIMEOUT})
endfunction()
