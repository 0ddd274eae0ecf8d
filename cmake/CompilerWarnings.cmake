# SPDX-License-Identifier: Apache-2.0
# The compiler warnings every target of the project builds with.

# Turns on the project's warnings for `target`. They become errors only when
# VANTREL_WARNINGS_AS_ERRORS is ON, as the presets that developers and CI use set it, so that a
# newer compiler with new warnings cannot break a user's release build.
function(vantrel_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 /permissive-)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wconversion -Wsign-conversion -Wshadow)
  endif()
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ${VANTREL_WARNINGS_AS_ERRORS})
endfunction()
