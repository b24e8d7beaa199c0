# SPDX-License-Identifier: GPL-3.0-or-later
# Turns text files into one C++ source of string constants, so the page
# templates stay plain files in the source tree and the programs need no
# files beside them at run time.
#   cmake -DOUTPUT=<file.cpp> -DNAMESPACE=<ns> -DINPUTS="<name>=<file>;..." -P EmbedText.cmake
set(text "// Generated from the template files; edit those, not this.\n#include <string_view>\n\nnamespace ${NAMESPACE} {\n\n")
foreach(pair ${INPUTS})
  string(REPLACE "=" ";" parts "${pair}")
  list(GET parts 0 name)
  list(GET parts 1 file)
  file(READ "${file}" content)
  string(FIND "${content}" ")embed\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${file} holds the raw string's end marker")
  endif()
  string(APPEND text "extern const std::string_view ${name};\nconst std::string_view ${name} = R\"embed(${content})embed\";\n\n")
endforeach()
string(APPEND text "} // namespace ${NAMESPACE}\n")
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
