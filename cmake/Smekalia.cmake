# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers shared by the three programs.

# Qt code: no byte string silently becomes a QString in the wrong encoding.
function(smekalia_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# A program folder in the build tree: build/<name>/ with the executable,
# Data/ (that program's own data only, plus any files of its own) and
# Справка/ (its help page). With THEMES, the theme folders of data/themes/<THEMES>/
# go to Data/Темы/ (a folder of their own: the games take every *.N file of
# Data/ itself as a word file).
#   smekalia_program_folder(<name> DATA <folder under data/> HELP <page under data/help/>
#                           [THEMES <folder under data/themes/>] [EXTRA_DATA <files>...])
function(smekalia_program_folder name)
  cmake_parse_arguments(ARG "" "DATA;HELP;THEMES" "EXTRA_DATA" ${ARGN})
  set(folder ${CMAKE_BINARY_DIR}/${name})
  set(stamp ${CMAKE_BINARY_DIR}/CMakeFiles/${name}-data.stamp)
  file(GLOB data_files LIST_DIRECTORIES false CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/${ARG_DATA}/*)
  list(APPEND data_files ${ARG_EXTRA_DATA})
  set(help_file ${PROJECT_SOURCE_DIR}/data/help/${ARG_HELP})
  set(copy_help)
  set(help_depends)
  if(EXISTS ${help_file})
    set(copy_help COMMAND ${CMAKE_COMMAND} -E copy_if_different ${help_file} ${folder}/Справка/)
    set(help_depends ${help_file})
  endif()
  set(copy_data)
  if(data_files)
    set(copy_data COMMAND ${CMAKE_COMMAND} -E copy_if_different ${data_files} ${folder}/Data/)
  endif()
  set(copy_themes)
  set(theme_files)
  set(themes_source)
  if(ARG_THEMES)
    set(themes_source ${PROJECT_SOURCE_DIR}/data/themes/${ARG_THEMES})
    file(GLOB_RECURSE theme_files CONFIGURE_DEPENDS ${themes_source}/*)
    set(copy_themes COMMAND ${CMAKE_COMMAND} -E copy_directory ${themes_source} ${folder}/Data/Темы)
  endif()
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/Data ${folder}/Справка
    ${copy_data}
    ${copy_themes}
    ${copy_help}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${data_files} ${theme_files} ${help_depends}
    COMMENT "Laying out the ${name} program folder"
    VERBATIM)
  add_custom_target(${name}_folder ALL DEPENDS ${stamp})
  # What the install ships (desktop/CMakeLists.txt): these files, not
  # whatever a player left in the build tree's Data/.
  set_property(GLOBAL PROPERTY smekalia_${name}_data ${data_files})
  set_property(GLOBAL PROPERTY smekalia_${name}_help ${help_depends})
  set_property(GLOBAL PROPERTY smekalia_${name}_themes ${themes_source})
endfunction()

# The desktop id of a program: slovolov -> org.smekalia.Slovolov.
function(smekalia_app_id name out)
  string(SUBSTRING ${name} 0 1 first)
  string(SUBSTRING ${name} 1 -1 rest)
  string(TOUPPER ${first} first)
  set(${out} org.smekalia.${first}${rest} PARENT_SCOPE)
endfunction()

# The executable of a program, written into its program folder, with its
# icon built in (":/smekalia/icon-<size>.png", the window icon).
function(smekalia_program name)
  add_executable(${name} ${ARGN})
  smekalia_qt_target(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${name})
  add_dependencies(${name} ${name}_folder)
  smekalia_app_id(${name} app_id)
  set(icons)
  foreach(size 32 64 128)
    set(icon ${PROJECT_SOURCE_DIR}/desktop/icons/${app_id}-${size}.png)
    set_source_files_properties(${icon} PROPERTIES QT_RESOURCE_ALIAS icon-${size}.png)
    list(APPEND icons ${icon})
  endforeach()
  qt_add_resources(${name} ${name}_icon PREFIX /smekalia FILES ${icons})
endfunction()

# The parts of a program from its source folder: <name>_core (core/*.cpp,
# no Qt), <name>_ui (ui/*, Qt) and the executable from main.cpp.
function(smekalia_program_parts name)
  file(GLOB core_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp)
  file(GLOB ui_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
  add_library(${name}_core STATIC ${core_sources})
  target_link_libraries(${name}_core PUBLIC common_core common_web)
  add_library(${name}_ui STATIC ${ui_sources})
  smekalia_qt_target(${name}_ui)
  target_link_libraries(${name}_ui PUBLIC ${name}_core common_ui)
  smekalia_program(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_ui)
endfunction()

# A Google Benchmark executable in build/bench/ (when the library is there;
# not in the sanitizer build, where timings mean nothing).
function(smekalia_benchmark name)
  if(benchmark_FOUND AND NOT SMEKALIA_SANITIZE)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE benchmark::benchmark)
    target_compile_definitions(${name} PRIVATE DATA_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
  endif()
endfunction()

# The tests of a program, from tests/<name>/: one GoogleTest executable of
# every core/*.cpp, and one QtTest executable per ui/*Test.cpp (each with its
# own QTEST_MAIN).
function(smekalia_program_tests name)
  file(GLOB core_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp)
  smekalia_core_test(${name}_core_tests ${core_tests})
  target_link_libraries(${name}_core_tests PRIVATE ${name}_core)
  file(GLOB ui_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/ui/*Test.cpp)
  foreach(test_source ${ui_tests})
    get_filename_component(test_name ${test_source} NAME_WE)
    smekalia_window_test(${name}_${test_name} ${test_source})
    target_link_libraries(${name}_${test_name} PRIVATE ${name}_ui)
  endforeach()
  # The program's own Main, run from its program folder (where Data/ is).
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/StartTest.cpp)
    set(start ${name}_StartTest)
    add_executable(${start} StartTest.cpp)
    smekalia_qt_target(${start})
    target_link_libraries(${start} PRIVATE ${name}_ui test_support)
    set_target_properties(${start} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${name})
    add_dependencies(${start} ${name}_folder)
    add_test(NAME ${start}.windowCentredWithTheFirstGame COMMAND ${start})
    smekalia_test_environment(${start}.windowCentredWithTheFirstGame)
    set_property(TEST ${start}.windowCentredWithTheFirstGame APPEND PROPERTY ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endif()
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/TestHome.cmake)

# Gives a test registered by name a home of its own under build/test-home/.
function(smekalia_test_environment name)
  smekalia_test_home(${CMAKE_BINARY_DIR}/test-home ${name} environment)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT ${environment})
endfunction()

# Registers each case of a test executable as a test of its own in ctest,
# named <executable>.<case>, listed by the executable once it is built; each
# case runs in a home of its own. kind: gtest or qtest.
function(smekalia_discover_cases name kind)
  set(listed ${CMAKE_CURRENT_BINARY_DIR}/${name}_cases.cmake)
  add_custom_command(TARGET ${name} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -D KIND=${kind} -D EXE=$<TARGET_FILE:${name}> -D PREFIX=${name} -D OUT=${listed}
            -D HOMES=${CMAKE_BINARY_DIR}/test-home -D ORDINARY=${PROJECT_SOURCE_DIR}/tests/ordinary-user.txt
            -D AS_USER=${PROJECT_SOURCE_DIR}/tests/support/as-ordinary-user -P ${PROJECT_SOURCE_DIR}/cmake/TestDiscover.cmake
    VERBATIM)
  # Until the executable is built there is no list: ctest then shows the
  # executable as one test that cannot run.
  set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_include.cmake)
  file(WRITE ${include_file}
    "if(EXISTS [=[${listed}]=])\n  include([=[${listed}]=])\nelse()\n  add_test(${name}_NOT_BUILT ${name}_NOT_BUILT)\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()

# A GoogleTest executable of core code (no display); cases are named
# <executable>.<suite>.<case>.
function(smekalia_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  target_compile_definitions(${name} PRIVATE FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
                                              DATA_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
  smekalia_discover_cases(${name} gtest)
endfunction()

# A QtTest executable of windows, run offscreen; cases are named
# <executable>.<function>.
function(smekalia_window_test name)
  add_executable(${name} ${ARGN})
  smekalia_qt_target(${name})
  target_link_libraries(${name} PRIVATE Qt6::Test test_support)
  target_compile_definitions(${name} PRIVATE FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
                                              DATA_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
  smekalia_discover_cases(${name} qtest)
endfunction()
