// SPDX-License-Identifier: GPL-3.0-or-later
// The compose-a-word program.
#include "bukvoklad/ui/Main.h"

int main(int argc, char** argv) {
    return smek::bukvoklad::Main(argc, argv);
}
