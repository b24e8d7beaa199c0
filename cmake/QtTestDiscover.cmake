# Run after a QtTest executable is built: lists its test functions and writes
# a CTest file that registers each one as a test of its own, so ctest shows
# which case failed. Called as
#   cmake -D EXE=<file> -D PREFIX=<name> -D OUT=<file> -P QtTestDiscover.cmake
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${EXE}" -functions
  OUTPUT_VARIABLE listing ERROR_VARIABLE errors RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "Listing the test functions of ${EXE} failed (${status}):\n${errors}")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(script "")
foreach(line IN LISTS lines)
  if(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    set(function "${CMAKE_MATCH_1}")
    string(APPEND script
      "add_test([=[${PREFIX}.${function}]=] [=[${EXE}]=] [=[${function}]=])\n"
      "set_tests_properties([=[${PREFIX}.${function}]=] PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen TIMEOUT 300)\n")
  endif()
endforeach()
if(script STREQUAL "")
  message(FATAL_ERROR "${EXE} lists no test functions")
endif()
file(WRITE "${OUT}" "${script}")
