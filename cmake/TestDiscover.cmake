# SPDX-License-Identifier: GPL-3.0-or-later
# Run after a test executable is built: lists its cases and writes a CTest
# file that registers each one as a test of its own, so ctest shows which case
# failed, each with a home of its own (TestHome.cmake). Called as
#   cmake -D KIND=gtest|qtest -D EXE=<file> -D PREFIX=<name> -D OUT=<file>
#         -D HOMES=<folder> -D ORDINARY=<list> -D AS_USER=<runner> -P TestDiscover.cmake
# The cases named in the ORDINARY list run through AS_USER, as an ordinary
# user. A skipped case shows as skipped in ctest, never as passed.
cmake_policy(SET CMP0057 NEW) # if(IN_LIST) in script mode
include(${CMAKE_CURRENT_LIST_DIR}/TestHome.cmake)
set(ENV{QT_QPA_PLATFORM} offscreen)
if(KIND STREQUAL "gtest")
  set(list_option --gtest_list_tests)
else()
  set(list_option -functions)
endif()
execute_process(COMMAND "${EXE}" ${list_option}
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Listing the cases of ${EXE} failed (${status}):\n${errors}")
endif()

file(STRINGS "${ORDINARY}" ordinary REGEX "^[^#]")
set(script "")
set(registered "")
function(register case)
  set(name "${PREFIX}.${case}")
  smekalia_test_home("${HOMES}" "${name}" environment)
  if(KIND STREQUAL "gtest")
    set(argument "--gtest_filter=${case}")
    set(properties " SKIP_REGULAR_EXPRESSION [=[\\[  SKIPPED \\] [A-Za-z]]=]")
  else()
    set(argument "${case}")
    list(PREPEND environment QT_QPA_PLATFORM=offscreen)
    set(properties " TIMEOUT 300 SKIP_REGULAR_EXPRESSION [=[SKIP   : ]=]")
  endif()
  set(command "[=[${EXE}]=]")
  if(name IN_LIST ordinary)
    string(REGEX REPLACE "[^A-Za-z0-9_.-]" "_" folder "${name}")
    set(command "sh [=[${AS_USER}]=] [=[${HOMES}/${folder}]=] ${command}")
  endif()
  list(APPEND registered "${name}")
  set(registered "${registered}" PARENT_SCOPE)
  string(APPEND script
    "add_test([=[${name}]=] ${command} [=[${argument}]=])\n"
    "set_tests_properties([=[${name}]=] PROPERTIES ENVIRONMENT [=[${environment}]=]${properties})\n")
  set(script "${script}" PARENT_SCOPE)
endfunction()

string(REPLACE "\n" ";" lines "${listing}")
set(suite "")
foreach(line IN LISTS lines)
  if(KIND STREQUAL "gtest")
    # "Suite." (a typed suite adds "  # TypeParam = ..."), then "  Case" lines.
    if(line MATCHES "^([^ #]+)\\.( .*)?$")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([^ ]+)" AND NOT suite STREQUAL "")
      set(case "${CMAKE_MATCH_1}")
      if(NOT suite MATCHES "(^|/)DISABLED_" AND NOT case MATCHES "^DISABLED_")
        register("${suite}.${case}")
      endif()
    endif()
  elseif(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    register("${CMAKE_MATCH_1}")
  endif()
endforeach()
if(script STREQUAL "")
  message(FATAL_ERROR "${EXE} lists no test cases")
endif()
foreach(name IN LISTS ordinary)
  if(name MATCHES "^${PREFIX}\\." AND NOT name IN_LIST registered)
    message(FATAL_ERROR "${ORDINARY} names ${name}, which ${EXE} does not have")
  endif()
endforeach()
file(WRITE "${OUT}" "${script}")
