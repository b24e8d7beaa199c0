// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTable.h"
#include "BoardReading.h"
#include "TimerTick.h"
#include "bukvoklad/core/Settings.h"
#include "bukvoklad/ui/frmOptions.h"
#include "common/core/TextFile.h"
#include "common/ui/frmEnd.h"

#include <QtTest>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

// A window over a data folder of its own, with a seeded generator.
struct Table : test::WindowTable {
    int ended = 0;
    QStringList banners; // banner texts in the order they were shown

    explicit Table(int optKolBukv = 0) : WindowTable(11) {
        prompts.onModal = [this](QDialog& dialog) {
            if (auto* end = qobject_cast<frmEnd*>(&dialog)) banners << QString::fromStdString(end->banner().text);
        };
        open(optKolBukv, [this] { ++ended; });
    }
    Table(int optKolBukv, const std::string& file, std::initializer_list<const char*> words) : Table(optKolBukv) {
        folder.words(file, words);
    }
    void showActive() {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    QStringList boardLetters(int cells, const QStringList& candidates) const {
        QStringList out;
        for (int j = 0; j < cells; ++j) out << letterInCell(*form->picControl, j, candidates);
        return out;
    }
};

// Answers every question Yes, but first lets the clock run out, as a player
// who is slow to answer would.
class SlowPrompts : public ScriptedPrompts {
public:
    using ScriptedPrompts::ScriptedPrompts;
    std::function<void()> whileAsking;
    bool question(const QString& text, Icon icon, bool noDefault) override {
        if (whileAsking) whileAsking();
        return ScriptedPrompts::question(text, icon, noDefault);
    }
};

} // namespace

class frmFormaTest : public QObject {
    Q_OBJECT
private slots:
    void layoutAndMenu();
    void keysPassTheFilterAsCapitals();
    void lowerCaseAnswerWinsAndWinsAgain();
    void boardShowsEveryLetterOnceCentred();
    void timedGameCountsDownAndIsLostOnTheTickAfterZero();
    void missingDatabaseKeepsEmptyCellsAndNoStaleWin();
    void unsuitableWordFileIsReportedAndPlayGoesOn();
    void unopenableWordFileEndsTheProgramWithoutSaving();
    void newGameAsksOnlyWhileAGameIsInPlay();
    void timeOutDuringTheGiveUpQuestionKeepsTheWordShown();
    void giveUpStopsTheCountdown();
    void closingSavesTheSettings();
    void everyNewGameTypesIntoTheAnswerBox();
    void buttonsHaveMenuEntriesAndKeys();
    void pauseHidesTheLettersAndHoldsTheCountdown();
    void closingAndOptionsAskWhileAWordIsInPlay();
};

void frmFormaTest::everyNewGameTypesIntoTheAnswerBox() {
    Table t(3, "a.3", {"КОТ"});
    t.showActive();
    t.form->NewGame();
    QCOMPARE(QApplication::focusWidget(), t.form->Text1);
    // Enter on the focused "Сдаться" presses it, as Space does.
    t.form->kSdatsya->setFocus();
    QTest::keyClick(t.form->kSdatsya, Qt::Key_Return);
    QCOMPARE(t.prompts.texts().last(), QStringLiteral("Хотите сдаться и увидеть слово?"));
    QCOMPARE(t.game.GameState, -1);
    // A new game by the button (Enter on it) puts the caret back in the answer box,
    // so the next keys type the answer.
    t.form->kNew->setFocus();
    QTest::keyClick(t.form->kNew, Qt::Key_Return);
    QCOMPARE(t.game.GameState, 1);
    QCOMPARE(QApplication::focusWidget(), t.form->Text1);
    typeText(QApplication::focusWidget(), QStringLiteral("кот"));
    QCOMPARE(t.banners, QStringList{QStringLiteral("ПОБЕДА!!!")});
    // So does the options dialog's OK (a random length here: no word file for it, yet a new game).
    t.prompts.onModal = [](QDialog& dialog) {
        auto* options = qobject_cast<frmOptions*>(&dialog);
        options->chKolBukv->setChecked(false);
        options->kOK->click();
    };
    t.form->kNew->setFocus();
    t.form->MenuOptions->trigger();
    QCOMPARE(QApplication::focusWidget(), t.form->Text1);
}

void frmFormaTest::buttonsHaveMenuEntriesAndKeys() {
    Table t(3, "a.3", {"КОТ"});
    t.showActive();
    frmForma& f = *t.form;
    QCOMPARE((QList<QKeySequence>{f.MenuNewGame->shortcut(), f.MenuSdatsya->shortcut(), f.MenuPrint->shortcut()}),
             (QList<QKeySequence>{QKeySequence(Qt::Key_F4), QKeySequence(Qt::Key_F8), QKeySequence(Qt::CTRL | Qt::Key_P)}));
    QTest::keyClick(&f, Qt::Key_F8); // nothing to give up yet
    QVERIFY(t.prompts.asked.isEmpty());
    QTest::keyClick(&f, Qt::Key_F4);
    QCOMPARE(t.game.GameState, 1);
    QVERIFY(f.MenuSdatsya->isEnabled());
    QTest::keyClick(&f, Qt::Key_F8); // Yes
    QCOMPARE(t.prompts.texts(), QStringList{QStringLiteral("Хотите сдаться и увидеть слово?")});
    QCOMPARE(t.game.GameState, -1);
    QVERIFY(!f.MenuSdatsya->isEnabled() && !f.kSdatsya->isEnabled());
    QTest::keyClick(&f, Qt::Key_F8);
    QCOMPARE(t.prompts.asked.size(), 1);
    QTest::keyClick(&f, Qt::Key_F4); // no question after a give-up
    QCOMPARE((QList<qsizetype>{t.prompts.asked.size(), t.game.GameState}), (QList<qsizetype>{1, 1}));
    t.prompts.answers = {false};
    QTest::keyClick(&f, Qt::Key_F4); // in play: asked, and No keeps the game
    QCOMPARE(t.prompts.texts().last(), QStringLiteral("Начать новую игру?"));
}

void frmFormaTest::layoutAndMenu() {
    Table t;
    frmForma& f = *t.form;
    QCOMPARE(f.windowTitle(), QStringLiteral("Смекалия: Буквоклад"));
    QCOMPARE(f.centralWidget()->size(), QSize(632, 171)); // no empty band under the menu bar
    QVERIFY(!f.kSdatsya->isEnabled() && f.lblTimer->isHidden() && f.lbVremya->isHidden());
    QCOMPARE(f.tmTimer->interval(), 1000);
    QCOMPARE((QList<QKeySequence>{f.MenuOptions->shortcut(), f.HelpCallHelp->shortcut()}),
             (QList<QKeySequence>{QKeySequence(Qt::Key_F6), QKeySequence(Qt::Key_F1)}));
    f.HelpCallHelp->trigger();
    f.HelpAbout->trigger();
    QCOMPARE(t.prompts.asked.size(), 2);
    QCOMPARE(t.prompts.asked[0].text, QStringLiteral("smek::frmWeb"));
    QCOMPARE(t.prompts.asked[1].text, QStringLiteral("smek::frmOprog"));
}

void frmFormaTest::keysPassTheFilterAsCapitals() {
    Table t(3, "a.3", {"КОТ"});
    t.form->NewGame();
    QLineEdit* box = t.form->Text1;
    typeText(box, QStringLiteral("кт"));
    QCOMPARE(box->text(), QStringLiteral("КТ"));
    typeText(box, QStringLiteral("k7 ,!Q"));
    QCOMPARE(box->text(), QStringLiteral("КТ"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("К"));
    typeText(box, QStringLiteral(".ё"));
    QCOMPARE(box->text(), QStringLiteral("К.Ё"));
    // A typed letter replaces the selection, like any typing.
    box->setSelection(1, 2);
    typeText(box, QStringLiteral("о"));
    QCOMPARE(box->text(), QStringLiteral("КО"));
    QVERIFY(t.banners.isEmpty());
}

void frmFormaTest::lowerCaseAnswerWinsAndWinsAgain() {
    Table t(3, "a.3", {"КОТ"});
    t.timed(30);
    t.form->NewGame();
    QVERIFY(t.form->tmTimer->isActive());
    typeText(t.form->Text1, QStringLiteral("ко"));
    QVERIFY(t.banners.isEmpty());
    typeText(t.form->Text1, QStringLiteral("т"));
    QCOMPARE(t.banners, QStringList{QStringLiteral("ПОБЕДА!!!")});
    QVERIFY(t.game.GameState == 0 && !t.form->tmTimer->isActive() && t.form->kSdatsya->isEnabled());
    typeText(t.form->Text1, QStringLiteral("."));
    QCOMPARE(t.banners.size(), 1); // the full stop spoils the match
    QTest::keyClick(t.form->Text1, Qt::Key_Backspace);
    QCOMPARE(t.banners.size(), 2); // and the word wins again once it is gone
    QTest::keyClick(t.form->Text1, Qt::Key_Backspace);
    typeText(t.form->Text1, QStringLiteral("т"));
    QCOMPARE(t.banners.size(), 3);
    // Pasted lower case (no key filter) wins too.
    t.form->Text1->clear();
    t.form->Text1->insert(QStringLiteral("кот"));
    QCOMPARE(t.banners.size(), 4);
    // "Новая игра" after a win asks nothing.
    t.form->kNew->click();
    QVERIFY(t.prompts.texts().isEmpty());
}

void frmFormaTest::boardShowsEveryLetterOnceCentred() {
    Table t(4, "a.4", {"МАМА"});
    const QStringList ma{QStringLiteral("М"), QStringLiteral("А")};
    for (int game = 0; game < 5; ++game) {
        t.form->NewGame();
        const QImage& image = t.form->picControl->image();
        QCOMPARE(image.size(), QSize(132, 34));
        for (const QPoint p : {QPoint(0, 0), QPoint(131, 0), QPoint(131, 33), QPoint(0, 33), QPoint(33, 16),
                               QPoint(66, 16), QPoint(99, 16)})
            QCOMPARE(image.pixelColor(p), QColor(Qt::black));
        QStringList shown = t.boardLetters(4, ma);
        shown.sort();
        QCOMPARE(shown, (QStringList{QStringLiteral("А"), QStringLiteral("А"), QStringLiteral("М"), QStringLiteral("М")}));
        for (int j = 0; j < 4; ++j) {
            const auto [left, right] = margins(cellImage(image, j));
            QVERIFY2(std::abs(left - right) <= 2, qPrintable(QStringLiteral("cell %1: %2 | %3").arg(j).arg(left).arg(right)));
        }
    }
    t.prompts.answers = {true};
    t.form->kSdatsya->click();
    QCOMPARE(t.boardLetters(4, ma), (QStringList{QStringLiteral("М"), QStringLiteral("А"), QStringLiteral("М"), QStringLiteral("А")}));
    QCOMPARE(t.form->picControl->image().size(), QSize(132, 34));
}

void frmFormaTest::timedGameCountsDownAndIsLostOnTheTickAfterZero() {
    Table t(5, "a.5", {"ЛАМПА"});
    t.timed(2);
    t.form->NewGame();
    QCOMPARE(t.form->lblTimer->text(), QStringLiteral("02"));
    QVERIFY(!t.form->lblTimer->isHidden() && !t.form->lbVremya->isHidden() && t.form->tmTimer->isActive());
    expire(t.form->tmTimer);
    QCOMPARE(t.form->lblTimer->text(), QStringLiteral("01"));
    expire(t.form->tmTimer);
    QCOMPARE(t.form->lblTimer->text(), QStringLiteral("00"));
    QVERIFY(t.banners.isEmpty());
    expire(t.form->tmTimer);
    QCOMPARE(t.banners, QStringList{QStringLiteral("ВЫ НЕ УСПЕЛИ!!!")});
    QVERIFY(!t.form->tmTimer->isActive() && !t.form->kSdatsya->isEnabled());
    QCOMPARE(t.game.GameState, -1);
    const QStringList letters{QStringLiteral("Л"), QStringLiteral("А"), QStringLiteral("М"), QStringLiteral("П")};
    QCOMPARE(t.boardLetters(5, letters).join(QString()), QStringLiteral("ЛАМПА"));
    typeText(t.form->Text1, QStringLiteral("лампа"));
    QCOMPARE(t.banners.size(), 1); // no win after the reveal
    // An untimed game hides the clock and leaves it off.
    t.game.OptTime = 0;
    t.form->kNew->click();
    QVERIFY(t.form->lblTimer->isHidden() && t.form->lbVremya->isHidden() && !t.form->tmTimer->isActive());
    t.form->MenuPause_Click();
    QVERIFY(t.form->pauseCover->paused());
    t.form->MenuPause_Click(); // a resume starts no clock the game did not have
    QVERIFY(!t.form->pauseCover->paused() && !t.form->tmTimer->isActive());
}

// After a give-up the countdown is off: the caption keeps the time left and
// no late tick can lose the game that was already given up.
void frmFormaTest::giveUpStopsTheCountdown() {
    Table t(5, "a.5", {"ЛАМПА"});
    t.timed(59);
    t.form->NewGame();
    QCOMPARE(t.form->lblTimer->text(), QStringLiteral("59"));
    QVERIFY(t.form->tmTimer->isActive());
    QCOMPARE(t.form->tmTimer->interval(), 1000);
    t.form->NewTime();
    t.prompts.answers = {true};
    t.form->kSdatsya->click();
    QVERIFY(!t.form->tmTimer->isActive() && t.banners.isEmpty());
    QCOMPARE(t.form->lblTimer->text(), QStringLiteral("58"));
    QCOMPARE(t.game.GameState, -1);
}

void frmFormaTest::missingDatabaseKeepsEmptyCellsAndNoStaleWin() {
    Table t(3, "a.3", {"КОТ"});
    t.folder.words("a.70", {"ЖЖЖЖЖЖЖ"});
    t.form->NewGame();
    t.game.OptKolBukv = 7;
    t.form->NewGame();
    QCOMPARE(t.prompts.asked.size(), 1);
    // The designed text, then which length has no file.
    QCOMPARE(t.prompts.asked[0].text, QStringLiteral("База данных слов не найдена\nНет файла со словами из 7 букв (*.7)."));
    QCOMPARE(t.prompts.asked[0].icon, Prompts::Icon::Stop);
    const QImage& image = t.form->picControl->image();
    QCOMPARE(image.size(), QSize(231, 34));
    for (int j = 0; j < 7; ++j) QCOMPARE(darkPixels(cellImage(image, j)), 0);
    QVERIFY(!t.form->kSdatsya->isEnabled() && !t.form->tmTimer->isActive());
    typeText(t.form->Text1, QStringLiteral("кот")); // the old word
    QVERIFY(t.banners.isEmpty() && t.ended == 0);
}

void frmFormaTest::unsuitableWordFileIsReportedAndPlayGoesOn() {
    Table t(4);
    t.folder.write("bad.4", " 3 \r\n" + w1251("МАМА\r\nПАПА\r\n"));
    t.form->NewGame();
    QCOMPARE(t.prompts.texts(),
             QStringList{QStringLiteral("Файл \"") + QString::fromStdString(t.folder.pathData()) +
                         QStringLiteral("bad.4\" не подходит к программе.")});
    QCOMPARE(t.ended, 0);
    QVERIFY(!t.form->kSdatsya->isEnabled());
    for (int j = 0; j < 4; ++j) QCOMPARE(darkPixels(cellImage(t.form->picControl->image(), j)), 0);
    typeText(t.form->Text1, QStringLiteral("мама"));
    QVERIFY(t.banners.isEmpty());
}

void frmFormaTest::unopenableWordFileEndsTheProgramWithoutSaving() {
    if (smek::runningAsRoot()) QSKIP(smek::kNeedsOrdinaryUser);
    Table t(3, "a.3", {"КОТ"});
    ::chmod((t.folder.path() / "a.3").c_str(), 0);
    t.form->NewGame();
    QCOMPARE(t.ended, 1);
    QVERIFY(t.prompts.texts().front().endsWith(QStringLiteral("a.3\" открыть не возможно.")));
}

void frmFormaTest::newGameAsksOnlyWhileAGameIsInPlay() {
    Table t(3, "a.3", {"КОТ"});
    t.form->NewGame();
    typeText(t.form->Text1, QStringLiteral("к"));
    t.prompts.answers = {false};
    t.form->kNew->click();
    QCOMPARE(t.prompts.texts(), QStringList{QStringLiteral("Начать новую игру?")});
    QCOMPARE(t.prompts.asked[0].icon, Prompts::Icon::None);
    QCOMPARE(t.form->Text1->text(), QStringLiteral("К")); // No keeps the game
    t.prompts.answers = {false};
    t.form->kSdatsya->click();
    QCOMPARE(t.game.GameState, 1);
    t.form->kSdatsya->click(); // Yes
    QCOMPARE(t.prompts.texts().last(), QStringLiteral("Хотите сдаться и увидеть слово?"));
    QCOMPARE(t.game.GameState, -1);
    t.form->kNew->click();
    QCOMPARE((QList<qsizetype>{t.prompts.texts().size(), t.game.GameState}), (QList<qsizetype>{3, 1})); // no question after a give-up
    QVERIFY(t.form->Text1->text().isEmpty() && t.form->kSdatsya->isEnabled());
}

void frmFormaTest::timeOutDuringTheGiveUpQuestionKeepsTheWordShown() {
    TempFolder folder;
    folder.words("a.3", {"КОТ"});
    Game game;
    game.PathData = folder.pathData();
    game.OptKolBukv = 3, game.OptTime = 1, game.OptSec = 0;
    SlowPrompts prompts;
    Random random(3);
    frmForma form(game, prompts, random, [] {}, testPlaces(game.PathData));
    prompts.whileAsking = [&form] { form.NewTime(); };
    form.NewGame();
    form.kSdatsya_Click();
    const QStringList letters{QStringLiteral("К"), QStringLiteral("О"), QStringLiteral("Т")};
    QStringList shown;
    for (int j = 0; j < 3; ++j) shown << letterInCell(*form.picControl, j, letters);
    QCOMPARE(shown.join(QString()), QStringLiteral("КОТ"));
}

void frmFormaTest::closingSavesTheSettings() {
    Table t(8);
    t.timed(30);
    t.form->show();
    t.form->FileExit->trigger();
    QCOMPARE(readTextFile(t.folder.path() / "Bukvoklad.ini").content, std::string(" 1 \r\n 30 \r\n 8 \r\n"));
    t.game.OptTime = 0;
    t.form->show();
    t.form->close(); // the close box saves the same way
    QCOMPARE(readTextFile(t.folder.path() / "Bukvoklad.ini").content, std::string(" 0 \r\n 30 \r\n 8 \r\n"));
}

void frmFormaTest::pauseHidesTheLettersAndHoldsTheCountdown() {
    Table t(3, "a.3", {"КОТ"});
    t.timed(9);
    t.showActive();
    frmForma& f = *t.form;
    QVERIFY(!f.MenuPause->isEnabled());
    f.NewGame();
    f.NewTime();
    QCOMPARE(f.lblTimer->text(), QStringLiteral("08"));
    // P in the answer box pauses: the letters hidden, the clock held, nothing typed.
    typeText(f.Text1, QStringLiteral("p"));
    QVERIFY(f.pauseCover->paused() && f.MenuPause->isChecked() && !f.tmTimer->isActive());
    QVERIFY(f.Text1->text().isEmpty() && f.pauseCover->geometry().contains(f.picControl->geometry()));
    QCOMPARE(QApplication::focusWidget(), f.pauseCover);
    // The same key on the cover goes on where the clock stopped; under a
    // Russian layout that key types З, which also ends the pause there.
    QTest::sendKeyEvent(QTest::Click, f.windowHandle(), Qt::Key(u'З'), QStringLiteral("з"), Qt::NoModifier);
    QVERIFY(!f.pauseCover->paused() && f.tmTimer->isActive());
    QCOMPARE(f.lblTimer->text(), QStringLiteral("08"));
    QCOMPARE(QApplication::focusWidget(), f.Text1);
    // In the answer box that key is the letter З, not a pause.
    QTest::sendKeyEvent(QTest::Click, f.windowHandle(), Qt::Key(u'З'), QStringLiteral("з"), Qt::NoModifier);
    QVERIFY(!f.pauseCover->paused());
    QCOMPARE(f.Text1->text().toUpper(), QStringLiteral("З"));
    // Paused, then given up: the pause ends with the game and the clock stays off.
    f.MenuPause->trigger();
    f.kSdatsya_Click();
    QVERIFY(!f.pauseCover->paused() && !f.MenuPause->isChecked() && !f.MenuPause->isEnabled() && !f.tmTimer->isActive());
    f.MenuPause_Click();
    QVERIFY(!f.pauseCover->paused());
}

void frmFormaTest::closingAndOptionsAskWhileAWordIsInPlay() {
    Table t(3, "a.3", {"КОТ"});
    t.folder.words("a.4", {"ЛУНА"});
    frmForma& f = *t.form;
    f.show();
    f.NewGame();
    t.prompts.answers = {false};
    QVERIFY(!f.close());
    QCOMPARE(t.prompts.texts(), QStringList{QStringLiteral("Начатая игра будет потеряна. Продолжить?")});
    QVERIFY(t.prompts.asked[0].icon == Prompts::Icon::Warning && t.prompts.asked[0].noDefault);
    QVERIFY(!std::filesystem::exists(t.folder.path() / "Bukvoklad.ini")); // nothing closed, nothing written
    // Options: No keeps the dialog, the settings and the word.
    t.prompts.answers = {false};
    t.prompts.onModal = [](QDialog& dialog) {
        auto* options = qobject_cast<frmOptions*>(&dialog);
        options->chKolBukv->setChecked(true);
        options->selKolBuukv->setCurrentIndex(0); // four letters
        options->kOK->click();
    };
    f.MenuOptions->trigger();
    QCOMPARE(t.game.OptKolBukv, 3);
    QCOMPARE(t.game.Slovo, w1251("КОТ"));
    t.prompts.answers = {true};
    f.MenuOptions->trigger();
    QCOMPARE(t.game.Slovo, w1251("ЛУНА"));
    // Given up: nothing to lose.
    f.kSdatsya_Click();
    const int asked = t.prompts.asked.size();
    QVERIFY(f.close());
    QCOMPARE(t.prompts.asked.size(), asked);
}

QTEST_MAIN(frmFormaTest)
#include "frmFormaTest.moc"
