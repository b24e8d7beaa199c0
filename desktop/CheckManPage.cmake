# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the manual page PAGE as man does, in a UTF-8 locale and under
# LANG=C, and fails on any warning of troff or man.
foreach(locale C.UTF-8 C)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LANG=${locale} LC_ALL=${locale} MANWIDTH=80 MAN_KEEP_FORMATTING=
            man --warnings -l ${PAGE}
    OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE result)
  if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${PAGE} under ${locale}: exit ${result}\n${warnings}")
  endif()
  if(text STREQUAL "")
    message(FATAL_ERROR "${PAGE} under ${locale}: nothing rendered")
  endif()
endforeach()
