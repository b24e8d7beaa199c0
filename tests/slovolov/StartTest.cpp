// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: the window centred, the first game dealt.
#include "StartCheck.h"
#include "slovolov/ui/Main.h"
#include "slovolov/ui/frmSlovolov.h"

int main(int argc, char** argv) {
    smek::slovolov::Main(argc, argv, [](smek::slovolov::frmSlovolov& w) {
        smek::test::endStart(smek::test::shownCentred(w) && w.state().Remain == w.state().NumWords);
    });
    return 1; // the window never came up
}
