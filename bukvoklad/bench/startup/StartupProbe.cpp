// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up probe: the program's own Main, ending at the first paint of the
// letter board in the shown window. Run under /usr/bin/time beside the bare
// window yardstick to compare the start-up with a bare Qt window's.
#include "bukvoklad/ui/Main.h"
#include "bukvoklad/ui/frmForma.h"

#include "common/bench/QuitOnPaint.h"

int main(int argc, char** argv) {
    smek::QuitOnPaint quit;
    return smek::bukvoklad::Main(argc, argv, [&quit](smek::bukvoklad::frmForma& w) {
        w.picControl->installEventFilter(&quit);
    });
}
