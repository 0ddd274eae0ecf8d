# SPDX-License-Identifier: Apache-2.0
# Builds whose output does not depend on where or when they are made.

# No folder names in what is shipped: source and build folders are written relative in __FILE__
# and debug information. Debug builds keep full paths, for the debugger to find the sources.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(
    "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
    "$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")
endif()

# No link time in a Windows program's header (GNU ld writes one unless SOURCE_DATE_EPOCH is set).
if(MINGW)
  add_link_options(LINKER:--no-insert-timestamp)
endif()
