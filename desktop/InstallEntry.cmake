# SPDX-License-Identifier: GPL-3.0-or-later
# Run at install time (install(CODE) sets ENTRY_SOURCE, ENTRY_NAME,
# PROGRAM_DIR and PROGRAM): writes the .desktop entry with Exec= naming the
# program under the prefix of this install, and lists it in the manifest.
set(PROGRAM_PATH "${CMAKE_INSTALL_PREFIX}/${PROGRAM_DIR}/${PROGRAM}")
# An argument with reserved characters is quoted, and inside the quotes
# " ` $ \ are escaped (the entry's own string escaping doubles the backslash).
if(PROGRAM_PATH MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\\\\\" PROGRAM_PATH "${PROGRAM_PATH}")
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" PROGRAM_PATH "${PROGRAM_PATH}")
  set(PROGRAM_PATH "\"${PROGRAM_PATH}\"")
endif()
set(entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${ENTRY_DIR}/${ENTRY_NAME}")
message(STATUS "Installing: ${entry}")
configure_file("${ENTRY_SOURCE}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")
