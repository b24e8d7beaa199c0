// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: the program's own Main, ending at the first paint of the
// board after the first game was built. Run under /usr/bin/time beside
// BareWindow to compare the start-up with a bare Qt window's.
#include "slovolov/ui/Main.h"
#include "slovolov/ui/frmSlovolov.h"

#include "common/bench/QuitOnPaint.h"

int main(int argc, char** argv) {
    smek::QuitOnPaint quit;
    return smek::slovolov::Main(argc, argv, [&quit](smek::slovolov::frmSlovolov& w) {
        w.picControl->installEventFilter(&quit);
        w.picControl->update();
    });
}
