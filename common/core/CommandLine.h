#pragma once
// What the command-line tools share: their data folder, their input (a file
// or "-" for standard input, held to the bound of a file) and the words for
// a file that could not be read.
#include "TextFile.h"

#include <string>

namespace smek {

// The folder of the running program, where its Data/ lies, however it was
// started (through a link in bin/ too).
std::string programFolder(const char* argv0);

// A named file, or standard input for "-".
ReadResult readInput(const std::string& name);

// Why a file could not be read, in English for standard error.
std::string readFailure(const ReadResult& file);

} // namespace smek
