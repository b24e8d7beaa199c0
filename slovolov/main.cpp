// SPDX-License-Identifier: GPL-3.0-or-later
// Смекалия - Словолов: the word-search game.
#include "ui/Main.h"

int main(int argc, char** argv) {
    return smek::slovolov::Main(argc, argv);
}
