// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the command-line tools share: --help and --version, wrong usage,
// their data folder, their input (a file or "-" for standard input, held to
// the bound of a file), an author's word list, and the file they write.
#include "OwnList.h"
#include "TextFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace smek {

// The folder of the running program, where its Data/ lies, however it was
// started (through a link in bin/ too).
std::string programFolder(const char* argv0);

// A named file, or standard input for "-".
ReadResult readInput(const std::string& name);

// Why a file could not be read, in English for standard error.
std::string readFailure(const ReadResult& file);

// --help (or -h) or --version as the only argument: printed, and the exit
// status returned; nullopt for any other command line.
std::optional<int> helpOrVersion(int argc, char** argv, const char* tool, const char* version, const char* usage,
                                 const char* help);

// Wrong usage: why (when given), then the synopsis, on standard error; the
// exit status 2.
int usageError(const char* tool, const char* usage, const std::string& why);

// The author's word list named on the command line, or nullopt after saying
// on standard error why it cannot be used.
std::optional<OwnList> readOwnListInput(const char* tool, const std::string& name);

// Writes out as the games save a file, replacing an existing file (named on
// standard error) but never a folder or a device; the exit status, 0 or 1.
int writeOutput(const char* tool, const std::string& out, std::string_view bytes);

} // namespace smek
