# Helpers shared by the three programs.

# Qt code: no byte string silently becomes a QString in the wrong encoding.
function(smekalia_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# A program folder in the build tree: build/<name>/ with the executable,
# Data/ (that program's own data only) and Справка/ (its help page).
#   smekalia_program_folder(<name> DATA <folder under data/> HELP <page under data/help/>)
function(smekalia_program_folder name)
  cmake_parse_arguments(ARG "" "DATA;HELP" "" ${ARGN})
  set(folder ${CMAKE_BINARY_DIR}/${name})
  set(stamp ${CMAKE_BINARY_DIR}/CMakeFiles/${name}-data.stamp)
  file(GLOB data_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/${ARG_DATA}/*)
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
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/Data ${folder}/Справка
    ${copy_data}
    ${copy_help}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${data_files} ${help_depends}
    COMMENT "Laying out the ${name} program folder"
    VERBATIM)
  add_custom_target(${name}_folder ALL DEPENDS ${stamp})
endfunction()

# The executable of a program, written into its program folder.
function(smekalia_program name)
  add_executable(${name} ${ARGN})
  smekalia_qt_target(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${name})
  add_dependencies(${name} ${name}_folder)
endfunction()

# A GoogleTest executable of core code (no display).
function(smekalia_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
                                              DATA_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# A QtTest executable of windows, run offscreen.
function(smekalia_window_test name)
  add_executable(${name} ${ARGN})
  smekalia_qt_target(${name})
  target_link_libraries(${name} PRIVATE Qt6::Test test_support)
  target_compile_definitions(${name} PRIVATE FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
                                              DATA_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()
