# Helpers shared by the three programs.

# Qt code: no byte string silently becomes a QString in the wrong encoding.
function(smekalia_qt_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()

# A program folder in the build tree: build/<name>/ with the executable,
# Data/ (that program's own data only, plus any files of its own) and
# Справка/ (its help page).
#   smekalia_program_folder(<name> DATA <folder under data/> HELP <page under data/help/>
#                           [EXTRA_DATA <files>...])
function(smekalia_program_folder name)
  cmake_parse_arguments(ARG "" "DATA;HELP" "EXTRA_DATA" ${ARGN})
  set(folder ${CMAKE_BINARY_DIR}/${name})
  set(stamp ${CMAKE_BINARY_DIR}/CMakeFiles/${name}-data.stamp)
  file(GLOB data_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/${ARG_DATA}/*)
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
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/Data ${folder}/Справка
    ${copy_data}
    ${copy_help}
    COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
    DEPENDS ${data_files} ${help_depends}
    COMMENT "Laying out the ${name} program folder"
    VERBATIM)
  add_custom_target(${name}_folder ALL DEPENDS ${stamp})
  # What the install ships (desktop/CMakeLists.txt): these files, not
  # whatever a player left in the build tree's Data/.
  set_property(GLOBAL PROPERTY smekalia_${name}_data ${data_files})
  set_property(GLOBAL PROPERTY smekalia_${name}_help ${help_depends})
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
  target_link_libraries(${name}_core PUBLIC common_core)
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
endfunction()

# Each test runs with a home, per-user folders and a temporary folder of its
# own under build/test-home/<test>/, so nothing it does (or anything Qt looks
# up) reaches the real home or the shared temporary folder.
function(smekalia_test_environment name)
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${home}/config ${home}/data ${home}/cache ${home}/runtime ${home}/tmp)
  file(CHMOD ${home}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
    HOME=${home} XDG_CONFIG_HOME=${home}/config XDG_DATA_HOME=${home}/data XDG_CACHE_HOME=${home}/cache
    XDG_RUNTIME_DIR=${home}/runtime TMPDIR=${home}/tmp)
endfunction()

# A GoogleTest executable of core code (no display).
function(smekalia_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
                                              DATA_SOURCE_DIR="${PROJECT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  smekalia_test_environment(${name})
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
  smekalia_test_environment(${name})
endfunction()
