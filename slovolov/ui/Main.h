#pragma once
// The program's start (Part 1.1).
namespace slovolov {

// Works out the data folder, reads the settings, shows the main window, lets
// it paint, builds the first game and runs the program.
int Main(int argc, char** argv);

} // namespace slovolov
