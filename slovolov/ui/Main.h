// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's start.
#include <functional>

namespace smek::slovolov {

class frmSlovolov;

// Works out the data folder, reads the settings, shows the main window, lets
// it paint, builds the first game and runs the program.
// afterStart (for start-up measurements only) runs once the first game is built.
int Main(int argc, char** argv, const std::function<void(frmSlovolov&)>& afterStart = {});

} // namespace smek::slovolov
