// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start.
#include <functional>

namespace smek::bukvoklad {

class frmForma;

// Works out the data folder, reads the settings, draws the first board into
// the still hidden window, shows it and runs the program.
// afterStart (for start-up measurements only) runs once the window is shown.
int Main(int argc, char** argv, const std::function<void(frmForma&)>& afterStart = {});

} // namespace smek::bukvoklad
