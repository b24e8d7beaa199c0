// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: the window centred, the first word's letters dealt.
#include "StartCheck.h"
#include "bukvoklad/ui/Main.h"
#include "bukvoklad/ui/frmForma.h"

int main(int argc, char** argv) {
    smek::bukvoklad::Main(argc, argv, [](smek::bukvoklad::frmForma& w) {
        smek::test::endStart(smek::test::shownCentred(w) && w.Text1->isEnabled() && w.picControl->width() > 0);
    });
    return 1; // the window never came up
}
