// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempFolder.h"
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "LayoutFaults.h"
#include "bukvoklad/ui/frmForma.h"
#include "bukvoklad/ui/frmOptions.h"
#include "common/core/TextFile.h"

#include <QClipboard>
#include <QtTest>

using namespace smek;
using namespace smek::bukvoklad;

class frmOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheSettingsItCanShow();
    void secondsTakeDigitsOnly();
    void refusalsKeepTheDialogOpen();
    void okStartsTheNextGameWithTheNewSettings();
};

void frmOptionsTest::opensWithTheSettingsItCanShow() {
    ScriptedPrompts prompts;
    Game game;
    {
        frmOptions dlg(nullptr, game, prompts, [] {});
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Опции"));
        QCOMPARE(dlg.size(), QSize(399, 112));
        QCOMPARE(test::layoutFaults(dlg), QStringList());
        QCOMPARE(dlg.selKolBuukv->count(), 16);
        QCOMPARE(dlg.selKolBuukv->itemText(0), QStringLiteral(" 4"));
        QCOMPARE(dlg.selKolBuukv->itemText(15), QStringLiteral(" 19"));
        QCOMPARE(dlg.selKolBuukv->currentIndex(), -1);
        QVERIFY(!dlg.chKolBukv->isChecked() && !dlg.selKolBuukv->isEnabled());
        QVERIFY(!dlg.chTime->isChecked() && !dlg.txtSec->isEnabled());
        QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("0"));
        QCOMPARE(dlg.txtSec->count(), 5);
        dlg.chTime->click(); // a player's click enables the seconds
        QVERIFY(dlg.txtSec->isEnabled());
    }
    game.OptKolBukv = 8;
    game.OptTime = 1;
    game.OptSec = 30;
    {
        frmOptions dlg(nullptr, game, prompts, [] {});
        QVERIFY(dlg.chKolBukv->isChecked() && dlg.selKolBuukv->isEnabled());
        QCOMPARE(dlg.selKolBuukv->currentText(), QStringLiteral(" 8"));
        QVERIFY(dlg.chTime->isChecked() && dlg.txtSec->isEnabled());
        QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("30"));
    }
    game.OptKolBukv = 3; // only from an edited file: the player is asked to pick one
    game.OptTime = 5;
    {
        frmOptions dlg(nullptr, game, prompts, [] {});
        QVERIFY(dlg.chKolBukv->isChecked());
        QCOMPARE(dlg.selKolBuukv->currentIndex(), -1);
        QVERIFY(!dlg.chTime->isChecked());
    }
}

void frmOptionsTest::secondsTakeDigitsOnly() {
    ScriptedPrompts prompts;
    Game game;
    game.OptTime = 1;
    frmOptions dlg(nullptr, game, prompts, [] {});
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.txtSec->setFocus();
    dlg.txtSec->lineEdit()->clear();
    // Typed keys go where a display sends them: to the focused combo box.
    const auto type = [](const QString& keys) { QTest::keyClicks(QApplication::focusWidget(), keys); };
    type(QStringLiteral("2x5"));
    QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("25"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("2"));
    dlg.txtSec->lineEdit()->clear();
    type(QStringLiteral("45 ,q"));
    QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("45"));
    // A digit that begins a listed entry is not completed to it: "5" stays 5 seconds, not 50.
    dlg.txtSec->lineEdit()->clear();
    type(QStringLiteral("5"));
    QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("5"));
    // Pasted text keeps only its digits.
    dlg.txtSec->lineEdit()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("4x 2,"));
    dlg.txtSec->lineEdit()->paste();
    QCOMPARE(dlg.txtSec->currentText(), QStringLiteral("42"));
    // Tab leaves the box for the next control.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), dlg.kOK);
    // Enter on a focused button presses it.
    int newGames = 0;
    frmOptions second(nullptr, game, prompts, [&] { ++newGames; });
    second.show();
    QVERIFY(QTest::qWaitForWindowActive(&second));
    second.txtSec->setEditText(QStringLiteral("9"));
    second.kOtmena->setFocus();
    QTest::keyClick(second.kOtmena, Qt::Key_Return);
    QCOMPARE(second.result(), int(QDialog::Rejected));
    QCOMPARE(newGames, 0);
}

void frmOptionsTest::refusalsKeepTheDialogOpen() {
    ScriptedPrompts prompts;
    Game game;
    int newGames = 0;
    frmOptions dlg(nullptr, game, prompts, [&] { ++newGames; });
    dlg.show();
    dlg.chKolBukv->click();
    dlg.kOK->click();
    dlg.selKolBuukv->setCurrentIndex(2); // " 6"
    dlg.chTime->click();
    dlg.txtSec->setEditText(QString());
    dlg.kOK->click();
    dlg.txtSec->setEditText(QStringLiteral("60"));
    dlg.kOK->click();
    QCOMPARE(prompts.texts(), (QStringList{QStringLiteral("Вы не выбрали количество букв."),
                                           QStringLiteral("Вы не установили время игры"),
                                           QStringLiteral("Максимальное количество секунд - 59")}));
    for (const auto& a : prompts.asked) QCOMPARE(a.icon, Prompts::Icon::Stop);
    QVERIFY(dlg.isVisible());
    QCOMPARE(newGames, 0);
    QCOMPARE(game.OptKolBukv, 6); // kept after the refused time, as the design has it
    QCOMPARE(game.OptTime, 0);
    dlg.kOtmena->click();
    QVERIFY(!dlg.isVisible());
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
}

void frmOptionsTest::okStartsTheNextGameWithTheNewSettings() {
    TempFolder folder;
    folder.words("a.8", {"АЛФАВИТЫ"});
    folder.words("a.3", {"КОТ"});
    Game game;
    game.PathData = folder.pathData();
    game.OptKolBukv = 3;
    ScriptedPrompts prompts;
    Random random(9);
    frmForma form(game, prompts, random, [] {}, testPlaces(game.PathData));
    form.NewGame();
    QCOMPARE(game.Slovo, w1251("КОТ"));
    prompts.onModal = [](QDialog& dialog) {
        auto* dlg = qobject_cast<frmOptions*>(&dialog);
        QVERIFY(dlg);
        dlg->selKolBuukv->setCurrentText(QStringLiteral(" 8"));
        dlg->chTime->click();
        dlg->txtSec->setEditText(QStringLiteral("30"));
        dlg->kOK->click();
    };
    form.MenuOptions->trigger(); // in the middle of a game: no question
    QVERIFY(!prompts.texts().contains(QStringLiteral("Начать новую игру?")));
    QCOMPARE(game.Slovo, w1251("АЛФАВИТЫ"));
    QCOMPARE(form.picControl->image().width(), 264);
    QCOMPARE(form.lblTimer->text(), QStringLiteral("30"));
    QVERIFY(form.tmTimer->isActive());
    form.close();
    QCOMPARE(readTextFile(folder.path() / "Bukvoklad.ini").content, std::string(" 1 \r\n 30 \r\n 8 \r\n"));

    // Unchecking the length returns to random lengths.
    prompts.onModal = [](QDialog& dialog) {
        auto* dlg = qobject_cast<frmOptions*>(&dialog);
        dlg->chKolBukv->click();
        dlg->kOK->click();
    };
    form.MenuOptions->trigger();
    QCOMPARE(game.OptKolBukv, 0);
    QVERIFY(game.KolBukv >= 5 && game.KolBukv <= 19);
}

QTEST_MAIN(frmOptionsTest)
#include "frmOptionsTest.moc"
