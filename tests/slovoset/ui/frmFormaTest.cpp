// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven as a player would: start-up, the source area
// buttons, the answer box, whole games, the game file and the export.
#include "QtFolder.h"
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "common/core/Cp1251.h"
#include "common/core/TextFile.h"
#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/frmEnd.h"
#include "common/ui/frmWeb.h"
#include "slovoset/core/ProverkaOtveta.h"
#include "slovoset/core/SaveHtml.h"
#include "slovoset/core/WebPage.h"
#include "slovoset/core/SettingsIni.h"
#include "slovoset/ui/dlgIsklyucheniya.h"
#include "slovoset/ui/frmForma.h"

#include <QMenuBar>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <filesystem>

using namespace smek::slovoset;
namespace fs = std::filesystem;

namespace {

// Pixels of the designed client area above the labels that the window leaves out.
constexpr int kBand = 64;

// "Сыр оса дом" hides РОСА (сыр оса) and САД (оса дом).
const QString kText = QStringLiteral("Сыр оса\nдом");

// Types characters as a keyboard would, Cyrillic included.
void typeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QString cp(const std::string& s) {
    return smek::fromCp1251(s);
}

struct Game {
    smek::TempFolder dir;
    Puzzle puzzle;
    smek::ScriptedPrompts prompts{QStringLiteral("Смекалия - Словосеть")};
    std::unique_ptr<frmForma> form;
    QStringList banners; // texts of the end banners shown

    Game() {
        const fs::path data = fs::path(dir.path().string()) / "Data";
        fs::create_directories(data);
        (void)smek::writeTextFileAtomic(data / "Р.4", smek::w1251("1\r\nРОСА\r\n"));
        (void)smek::writeTextFileAtomic(data / "С.3", smek::w1251("1\r\nСАД\r\n"));
        puzzle.PathData = data.string() + "/";
        open();
    }
    // A new window on the same folder, as after a restart.
    void open() {
        form.reset();
        form = std::make_unique<frmForma>(puzzle, prompts, smek::qPath(dir), smek::testPlaces(puzzle.PathData));
        prompts.setOwner(form.get());
        prompts.onModal = [this](QDialog& dialog) {
            if (auto* end = qobject_cast<smek::frmEnd*>(&dialog))
                banners << QString::fromStdString(end->banner().text) + QStringLiteral(" / ") + end->Label1->text();
        };
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void play(const QString& text = kText) {
        form->Text1->setPlainText(text);
        QTest::mouseClick(form->kTypGame[0], Qt::LeftButton);
    }
    void answer(const QString& typed) {
        typeKeys(form->txtAddSlovo, typed);
        QTest::keyClick(form->txtAddSlovo, Qt::Key_Return);
    }
    QString lastText() const { return prompts.asked.isEmpty() ? QString() : prompts.asked.last().text; }
    QString body() const { return smek::fromCp1251(form->text2()); }
    QString path(const QString& name) const { return smek::qPath(dir, name); }
    std::string bytes(const QString& name) const { return smek::readTextFile(path(name).toStdString()).content; }
    // A menu command with its file dialog answered by `file` and its title prompt, if any, by `title`.
    void choose(void (frmForma::*command)(), const QString& file, const std::optional<QString>& title = {}) {
        if (title) prompts.inputs = {*title};
        prompts.files = {file};
        (form.get()->*command)();
    }
    void clickList(int x, int y) {
        emit form->usrSlova1->picList->mouseDown(Qt::LeftButton, x, y);
        emit form->usrSlova1->picList->mouseUp(Qt::LeftButton, x, y);
    }
};

// '+' shown, '-' hidden by itself, '?' hidden by a parent: one letter per widget.
QString looks(std::initializer_list<const QWidget*> widgets) {
    QString out;
    for (const QWidget* w : widgets) out += w->isVisible() ? u'+' : w->isHidden() ? u'-' : u'?';
    return out;
}

} // namespace

class frmFormaTest : public QObject {
    Q_OBJECT
private slots:
    void startUp() {
        Game g;
        frmForma& f = *g.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Словосеть"));
        QCOMPARE(f.selLenSlov->count(), 22);
        QCOMPARE(f.selLenSlov->itemText(0), QStringLiteral("Длина слов от 3 букв"));
        QCOMPARE(f.selLenSlov->itemText(21), QStringLiteral("Длина слов от 24 букв"));
        QCOMPARE(f.selLenSlov->currentIndex(), 0);
        QVERIFY(!f.mFileSave->isEnabled());
        QCOMPARE((QList<QKeySequence>{f.mFileOpen->shortcut(), f.mFileSave->shortcut(), f.HelpCallHelp->shortcut()}),
                 (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_F1)}));
        QCOMPARE(f.menuBar()->font(), smek::sansFont(8)); // not the window's big bold face
        QVERIFY(!f.txtAddSlovo->isEnabled() && !f.kOtvet->isEnabled());
        QCOMPARE(looks({f.Text1, f.picUp[0], f.picUp[1]}), QStringLiteral("++-"));

        // Before any puzzle the length choice is only stored, and closing keeps it.
        f.selLenSlov->setCurrentIndex(4);
        QCOMPARE((QList<int>{g.puzzle.LenSlov, g.puzzle.Gotovo}), (QList<int>{4, 0}));
        f.close();
        QCOMPARE(LoadFileINI(g.puzzle.PathData + kSettingsFile), 4);
        QCOMPARE(QString::fromStdString(smek::readTextFile(g.puzzle.PathData + kSettingsFile).content),
                 QStringLiteral(" 4 \r\n"));
    }

    void sourceAreaButtons() {
        Game g;
        frmForma& f = *g.form;
        const QImage own = f.picUp[0]->image();
        f.picUp_MouseDown(0, 5, 5);
        QCOMPARE(f.picUp[0]->image().pixelColor(1, 1), f.picUp2[0].pixelColor(1, 1));
        QVERIFY(f.picUp[0]->image() != own);
        f.picUp_MouseUp(0);
        QCOMPARE(f.picPanel->y(), 88 - kBand);
        QCOMPARE(looks({f.Text1, f.kTypGame[0], f.kTypGame[1], f.Label1, f.picUp[0], f.picUp[1]}), QStringLiteral("-----+"));
        QCOMPARE(f.picUp[0]->image(), own);

        // Outside the 24 x 24 area: no pressed look, no change, but the release clears.
        emit f.picUp[1]->mouseDown(Qt::LeftButton, 25, 5);
        QVERIFY(f.UpState.isEmpty());
        f.picUp[1]->fillRect(0, 0, 3, 3, Qt::red);
        emit f.picUp[1]->mouseUp(Qt::LeftButton, 25, 5);
        QCOMPARE(f.picPanel->y(), 88 - kBand);
        QVERIFY(f.Text1->isHidden());
        QVERIFY(f.picUp[1]->image().pixelColor(1, 1) != QColor(Qt::red));

        emit f.picUp[1]->mouseDown(Qt::LeftButton, 24, 24);
        emit f.picUp[1]->mouseUp(Qt::LeftButton, 40, 40);
        QCOMPARE(f.picPanel->y(), 244 - kBand);
        // The view keeps its place; its page starts below the strip.
        QCOMPARE(f.usrMyWeb1->geometry(), smek::twRect(120, 3840, 8775, 4095).translated(0, -kBand));
        QCOMPARE(f.usrMyWeb1->mapTo(&f, QPoint(0, 0)).y() + f.usrMyWeb1->WebBrowser1->y(),
                 f.picPanel->mapTo(&f, QPoint(0, f.picPanel->height())).y());
        QCOMPARE(looks({f.Text1, f.kTypGame[1], f.picUp[0], f.picUp[1]}), QStringLiteral("+++-"));
    }

    void answerBoxTakesOnlyRussianLetters() {
        Game g;
        g.play();
        frmForma& f = *g.form;
        QVERIFY(f.txtAddSlovo->isEnabled());
        typeKeys(f.txtAddSlovo, QStringLiteral("а"));
        QVERIFY(!f.kOtvet->isEnabled());
        QTest::keyClick(f.txtAddSlovo, Qt::Key_Return); // one letter: nothing is checked
        QVERIFY(g.prompts.asked.isEmpty());
        typeKeys(f.txtAddSlovo, QStringLiteral("1b -Я"));
        QVERIFY(f.kOtvet->isEnabled()); // two letters are an answer
        typeKeys(f.txtAddSlovo, QStringLiteral(",ёЁ?"));
        QCOMPARE(f.txtAddSlovo->text(), QStringLiteral("аЯёЁ"));
        QVERIFY(f.kOtvet->isEnabled());
        QTest::keyClick(f.txtAddSlovo, Qt::Key_Backspace);
        QCOMPARE(f.txtAddSlovo->text(), QStringLiteral("аЯё"));
        // The X11 keyboard gives Delete the text DEL and Tab a tab: neither
        // types a character, so both keep their editing and focus roles.
        f.txtAddSlovo->setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Click, f.txtAddSlovo, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
        QCOMPARE(f.txtAddSlovo->text(), QStringLiteral("Яё"));
        QTest::sendKeyEvent(QTest::Click, f.txtAddSlovo, Qt::Key_Tab, QString(QChar(u'\t')), Qt::NoModifier);
        QVERIFY(!f.txtAddSlovo->hasFocus());
        QCOMPARE(f.txtAddSlovo->text(), QStringLiteral("Яё"));
        // "Вставить" (and Ctrl+V) let in what typing lets in: Russian letters only.
        QGuiApplication::clipboard()->setText(QStringLiteral("1 сад-Б!\tz"));
        f.txtAddSlovo->setCursorPosition(1);
        f.txtAddSlovo->paste();
        QCOMPARE(f.txtAddSlovo->text(), QStringLiteral("ЯсадБё"));
        QCOMPARE(f.txtAddSlovo->cursorPosition(), 5);
    }

    void wholeGameToTheBanner() {
        Game g;
        bool buttonsOffDuringAnalysis = false;
        QTimer::singleShot(0, [&] { buttonsOffDuringAnalysis = !g.form->kTypGame[0]->isEnabled() && !g.form->kTypGame[1]->isEnabled(); });
        g.play();
        frmForma& f = *g.form;
        QVERIFY(buttonsOffDuringAnalysis && f.kTypGame[0]->isEnabled());
        QCOMPARE(f.windowTitle(), QStringLiteral("Смекалия - Словосеть - Играть"));
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        QVERIFY(f.mFileSave->isEnabled() && f.txtAddSlovo->hasFocus());
        QVERIFY(g.body().contains(QStringLiteral("Сыр оса<br>дом")));

        g.answer(QStringLiteral("кот"));
        QCOMPARE(g.lastText(), QStringLiteral("Это слово не загадано компьютером"));
        QCOMPARE(g.prompts.asked.last().icon, smek::Prompts::Icon::Stop);
        QCOMPARE(f.txtAddSlovo->text(), QStringLiteral("кот"));
        f.txtAddSlovo->clear();

        g.answer(QStringLiteral("РоСа"));
        QVERIFY(f.txtAddSlovo->text().isEmpty() && f.txtAddSlovo->hasFocus());
        QCOMPARE((QList<int>{g.puzzle.Ugadano, g.puzzle.Otkryto, f.usrSlova1->state().NomLine}), (QList<int>{0, 0, 0}));
        QVERIFY(g.body().contains(QStringLiteral("color='green' size='4'><u>р оса</u>")));

        // A repeated answer counts nothing and says so.
        g.answer(QStringLiteral("роса"));
        QCOMPARE(g.lastText(), QString::fromUtf8(kUzheOtkryto));
        QVERIFY(g.puzzle.Ugadano == 0 && g.banners.isEmpty());
        f.txtAddSlovo->clear();

        typeKeys(f.txtAddSlovo, QStringLiteral("сад"));
        QTest::mouseClick(f.kOtvet, Qt::LeftButton);
        QCOMPARE(g.banners, QStringList{QStringLiteral("ПОБЕДА!!! / Отгадано слов: 2 из 2 возможных")});
        QVERIFY(!f.txtAddSlovo->isEnabled());
    }

    void revealedWordEndsWithoutVictory() {
        Game g;
        g.play();
        frmForma& f = *g.form;
        g.answer(QStringLiteral("сад"));
        QCOMPARE(f.usrSlova1->state().NomLine, 1);
        // Reveal РОСА from its icon on line 0.
        g.clickList(10, 5);
        QCOMPARE((QList<int>{g.puzzle.Slova[g.puzzle.Spisok[0]].Vybrano, g.puzzle.Slova[g.puzzle.Spisok[0]].Otgadano}), (QList<int>{1, 0}));
        QCOMPARE(g.banners, QStringList{QStringLiteral("КОНЕЦ ИГРЫ!!! / Отгадано слов: 1 из 2 возможных")});
        // The two words overlap in "оса": one underline in the first word's colour.
        QVERIFY(g.body().contains(QStringLiteral("color='red' size='4'><u>р оса<br>д</u>")));
        QCOMPARE(f.usrSlova1->picList->image().copy(2, 0, 22, 22), f.usrSlova1->picKnopka[3]);
    }

    void theViewStaysPutAndFollowsTheList() {
        Game g;
        QString text;
        for (int i = 0; i < 80; ++i) text += QStringLiteral("ля ля ля\n");
        g.play(text + kText); // РОСА and САД at the very end
        frmForma& f = *g.form;
        QScrollBar* bar = f.usrMyWeb1->WebBrowser1->verticalScrollBar();
        QVERIFY(bar->maximum() > 200);
        bar->setValue(100);
        g.answer(QStringLiteral("роса"));
        QCOMPARE(bar->value(), 100);

        // A click on the opened word's line brings its underline into view...
        bar->setValue(0);
        g.clickList(60, 5);
        QVERIFY(bar->value() > 100);
        const QTextCursor word = f.usrMyWeb1->WebBrowser1->document()->find(QStringLiteral("р оса"));
        QVERIFY(!word.isNull());
        QVERIFY(f.usrMyWeb1->WebBrowser1->viewport()->rect().contains(f.usrMyWeb1->WebBrowser1->cursorRect(word)));
        // ...a hidden word's line keeps its place secret.
        bar->setValue(0);
        g.clickList(60, 30);
        QCOMPARE(bar->value(), 0);
        // Space reveals it like its icon, and then shows where it was.
        QTest::keyClick(f.usrSlova1->picList, Qt::Key_Space);
        QCOMPARE(g.puzzle.Slova[g.puzzle.Spisok[1]].Vybrano, 1);
        QCOMPARE(g.banners.size(), 1);
        QVERIFY(bar->value() > 100);

        // Create mode: an icon click that takes a word out keeps the place.
        QTest::mouseClick(f.kTypGame[1], Qt::LeftButton);
        bar->setValue(100);
        g.clickList(10, 5);
        QCOMPARE(g.puzzle.Slova[g.puzzle.Spisok[0]].Vybrano, 0);
        QCOMPARE(bar->value(), 100);
    }

    void yoStaysForTheEye() {
        Game g;
        g.play(QStringLiteral("Ёж. Сыр оса\nдом, ёлка"));
        QVERIFY(g.body().contains(QStringLiteral("Ёж. Сыр оса<br>дом, ёлка")));
        QCOMPARE(smek::fromCp1251(g.puzzle.Tekst), QStringLiteral("Еж. Сыр оса<br>дом, елка"));
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        g.answer(QStringLiteral("роса"));
        QVERIFY(g.body().contains(QStringLiteral("Ёж. Сы</font>")) && g.body().contains(QStringLiteral("дом, ёлка")));
    }

    void stressMarksAndSignsStayInTheWindow() {
        Game g;
        frmForma& f = *g.form;
        // The mark joins its word: РОСА and САД are found as in the plain text.
        g.play(QStringLiteral("Сыр о\u0301са 😀\nдом"));
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        QVERIFY(g.body().contains(QStringLiteral("Сыр о&#769;са &#128512;<br>дом")));
        const auto notes = [&] {
            int n = 0;
            for (const auto& a : g.prompts.asked) n += a.text.contains(QStringLiteral("😀")) ? 1 : 0;
            return n;
        };
        QCOMPARE(notes(), 1); // the emoji has no stand-in: said once...
        f.kTypGame_Click(0);
        QCOMPARE(notes(), 1); // ...not again for the same text
        g.answer(QStringLiteral("роса"));
        QVERIFY(g.body().contains(QStringLiteral("о&#769;са")));
        // "Нашёл к" spells ШЁЛК: the list shows it so once it is opened.
        Game h;
        (void)smek::writeTextFileAtomic(fs::path(h.puzzle.PathData) / "Ш.4", smek::w1251("1\r\nШЕЛК\r\n"));
        h.form->Text1->setPlainText(QStringLiteral("Он нашёл кота"));
        h.form->kTypGame_Click(1);
        QCOMPARE(h.form->usrSlova1->lineToolTip(0), QStringLiteral("1) ШЁЛК"));
        QVERIFY(h.body().endsWith(QStringLiteral("Ответы: шёлк</font></td></table></body></html>")));
    }

    void openTextInAnyEncoding() {
        Game g;
        frmForma& f = *g.form;
        QCOMPARE(f.mFileOpenText->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        f.picUp_MouseDown(0, 5, 5);
        f.picUp_MouseUp(0); // the source hidden
        const std::string koi8 = "\xF3\xD9\xD2 \xCF\xD3\xC1\n\xC4\xCF\xCD"; // "Сыр оса\nдом"
        (void)smek::writeTextFileAtomic(g.path(QStringLiteral("текст.txt")).toStdString(), koi8);
        g.choose(&frmForma::mFileOpenText_Click, g.path(QStringLiteral("текст.txt")));
        QVERIFY(g.prompts.fileRequests.last().filters.first().contains(QStringLiteral("*.txt")));
        QCOMPARE(f.Text1->toPlainText(), kText);
        QVERIFY(!f.Text1->isHidden()); // shown where the author can see it

        const QString binary = g.path(QStringLiteral("a.out"));
        (void)smek::writeTextFileAtomic(binary.toStdString(), std::string("\x7F" "ELF\x02\x01\0\0\0\0", 10));
        f.OpenNamedText(binary);
        QCOMPARE(g.lastText(), QStringLiteral("Файл \"") + binary + QStringLiteral("\" не похож на текст."));
        QCOMPARE(f.Text1->toPlainText(), kText); // nothing changed
        f.OpenNamedText(g.path(QStringLiteral("нет.txt")));
        QVERIFY(g.lastText().endsWith(QStringLiteral("не найден.")));
    }

    void chosenCounterAndExclusions() {
        Game g;
        frmForma& f = *g.form;
        QVERIFY(f.lblVybrano->isHidden());
        f.Text1->setPlainText(kText);
        f.kTypGame_Click(1);
        QVERIFY(f.lblVybrano->isVisible());
        QCOMPARE(f.lblVybrano->text(), QStringLiteral("Выбрано слов: 2 из 2"));
        for (int y : {5, 28}) g.clickList(10, y); // untick both icons
        QCOMPARE(f.lblVybrano->text(), QStringLiteral("Выбрано слов: 0 из 2"));
        g.clickList(10, 28); // САД ticked again

        // The menu names the word of the line it acts on, and a right click
        // first makes that line current.
        QCOMPARE(f.usrSlova1->excludeCaption(1), QStringLiteral("Исключить слово «САД»"));
        f.usrSlova1->ShowLineSlovo(1);
        int excluded = -1;
        connect(f.usrSlova1, &usrSlova::excludeRequested, &f, [&](int line) { excluded = line; });
        QString offered;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                offered = menu->actions().first()->text();
                menu->close();
            }
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(60, 5), f.usrSlova1->picList->mapToGlobal(QPoint(60, 5)));
        QApplication::sendEvent(f.usrSlova1->picList, &click);
        QCOMPARE(f.usrSlova1->state().NomLine, 0);
        QCOMPARE(offered, QStringLiteral("Исключить слово «РОСА»"));
        QCOMPARE(excluded, -1); // closed without a choice

        f.usrSlova1_Isklyuchit(0); // РОСА out
        QCOMPARE(f.lblVybrano->text(), QStringLiteral("Выбрано слов: 1 из 1"));
        g.clickList(10, 5); // САД unticked
        // Taken off the list in the dialog, РОСА is back at once; САД keeps its tick.
        g.prompts.onModal = [](QDialog& dialog) {
            auto* edit = qobject_cast<dlgIsklyucheniya*>(&dialog);
            edit->txtSlova->setPlainText({});
            edit->accept();
        };
        f.mFileIsklyucheniya_Click();
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        QCOMPARE(cp(slovoOfLine(g.puzzle, 0).Slovo), QStringLiteral("РОСА"));
        QCOMPARE((QList<int>{slovoOfLine(g.puzzle, 0).Vybrano, slovoOfLine(g.puzzle, 1).Vybrano}), (QList<int>{1, 0}));
        QCOMPARE(f.lblVybrano->text(), QStringLiteral("Выбрано слов: 1 из 2"));
        QVERIFY(g.body().endsWith(QStringLiteral("Ответы: роса</font></td></table></body></html>")));

        g.play(); // no counter in play mode
        QVERIFY(f.lblVybrano->isHidden());
    }

    void theWindowGrowsWithItsViewAndList() {
        Game g;
        frmForma& f = *g.form;
        const QSize designed = f.size();
        QCOMPARE(f.minimumSize(), designed);
        const QRect view = f.usrMyWeb1->geometry();
        const QRect list = f.usrSlova1->geometry();
        const int upX = f.picUp[0]->x();
        f.resize(designed + QSize(200, 5 * kLineHeight + 3));
        QTRY_COMPARE(f.usrMyWeb1->width(), view.width() + 200);
        // The view's height, the list's place, lines and height, the source box, the button, the counter, and a
        // long list scrolling by the lines now shown.
        QCOMPARE((QList<int>{f.usrMyWeb1->height(), f.usrSlova1->x(), f.usrSlova1->state().visibleLines, f.usrSlova1->height(),
                             f.Text1->width(), f.picUp[0]->x(), f.lblVybrano->y(), f.usrSlova1->VScroll1->pageStep()}),
                 (QList<int>{view.height() + 5 * kLineHeight + 3, list.x() + 200, kVisibleLines + 5, list.height() + 5 * kLineHeight,
                             smek::tw(8775) + 200, upX + 200, f.usrSlova1->geometry().bottom() + 1, kVisibleLines + 5}));
        f.resize(designed);
        QTRY_COMPARE(f.usrMyWeb1->geometry(), view);
        QCOMPARE(f.usrSlova1->geometry(), list);
        QCOMPARE(f.usrSlova1->state().visibleLines, kVisibleLines);
    }

    void excludedWordsKeepOutOfCreatedPuzzlesOnly() {
        Game g;
        frmForma& f = *g.form;
        const std::string file = g.path(QStringLiteral("share/smekalia/slovoset/excluded-words.txt")).toStdString();
        f.Text1->setPlainText(kText);
        f.kTypGame_Click(1);
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        f.usrSlova1_Isklyuchit(2); // past the last line: nothing
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        f.usrSlova1_Isklyuchit(1); // the last line: САД
        QCOMPARE(g.puzzle.MaxSpisok, 0);
        QCOMPARE(cp(smek::readTextFile(file).content), QStringLiteral("САД\r\n"));
        QVERIFY(!smek::writeTextFileAtomic(file, "")); // off the list again
        f.kTypGame_Click(1);
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        f.usrSlova1_Isklyuchit(0); // РОСА
        QCOMPARE((QList<int>{g.puzzle.MaxSpisok, f.usrSlova1->state().KolLine}), (QList<int>{0, 1}));
        QVERIFY(g.body().endsWith(QStringLiteral("Ответы: сад</font></td></table></body></html>")));
        QVERIFY(!f.mFileSave->isEnabled());
        QCOMPARE(cp(smek::readTextFile(file).content), QStringLiteral("РОСА\r\n"));

        f.kTypGame_Click(1); // a new created puzzle skips it...
        QCOMPARE(g.puzzle.MaxSpisok, 0);
        f.kTypGame_Click(0); // ...play does not
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        f.usrSlova1_Isklyuchit(0); // nothing to exclude in play
        QCOMPARE(g.puzzle.MaxSpisok, 1);

        // The dialog edits the list; Cancel keeps it.
        QString shown;
        g.prompts.onModal = [&](QDialog& dialog) {
            auto* edit = qobject_cast<dlgIsklyucheniya*>(&dialog);
            QVERIFY(edit);
            shown = edit->txtSlova->toPlainText();
            edit->txtSlova->setPlainText(QStringLiteral("сад\nморг, x1"));
            edit->accept();
        };
        f.mFileIsklyucheniya_Click();
        QCOMPARE(shown, QStringLiteral("РОСА"));
        QCOMPARE(cp(smek::readTextFile(file).content), QStringLiteral("МОРГ\r\nСАД\r\n"));
        g.prompts.onModal = [](QDialog& dialog) { dialog.reject(); };
        f.mFileIsklyucheniya_Click();
        QCOMPARE(cp(smek::readTextFile(file).content), QStringLiteral("МОРГ\r\nСАД\r\n"));
        g.prompts.answers = {true};
        f.kTypGame_Click(1);
        QCOMPARE(g.puzzle.MaxSpisok, 0);
        QCOMPARE(cp(slovoOfLine(g.puzzle, 0).Slovo), QStringLiteral("РОСА"));
    }

    void statisticsCountGamesAndRevealedWords() {
        Game g;
        frmForma& f = *g.form;
        g.play();
        g.clickList(10, 5); // РОСА revealed
        g.answer(QStringLiteral("сад"));
        // Each end counts as what it was, at once.
        QCOMPARE((QList<int>{f.statistics().totals().givenUp, f.statistics().totals().won}), (QList<int>{1, 0}));
        g.play();
        g.answer(QStringLiteral("роса"));
        QCOMPARE(f.statistics().totals().won, 0); // one word is still hidden
        g.answer(QStringLiteral("сад"));
        QCOMPARE((QList<int>{f.statistics().totals().won, f.statistics().totals().givenUp, int(g.banners.size())}), (QList<int>{1, 1, 2}));
        const QStringList rows = g.prompts.statistikaRows(f.mStatistika);
        // No clock in this game: no row for it.
        QCOMPARE(rows, (QStringList{QStringLiteral("Начато игр: 2"), QStringLiteral("Выиграно: 1"),
                                    QStringLiteral("Закончено с открытыми словами: 1"),
                                    QStringLiteral("Самая длинная серия побед: 1"),
                                    QStringLiteral("Слов открыто без отгадки: 1")}));
    }

    void raisingTheLengthRebuildsAndMayEndTheGame() {
        Game g;
        g.play();
        g.answer(QStringLiteral("роса"));
        frmForma& f = *g.form;
        bool offDuringAnalysis = false;
        QTimer::singleShot(0, [&] {
            offDuringAnalysis = !f.selLenSlov->isEnabled() && !f.kTypGame[0]->isEnabled() && !f.kTypGame[1]->isEnabled();
        });
        f.selLenSlov->setCurrentIndex(1); // four letters and more: САД leaves the list
        QVERIFY(offDuringAnalysis);
        QCOMPARE((QList<int>{g.puzzle.MaxSpisok, g.form->usrSlova1->state().KolLine}), (QList<int>{0, 1}));
        QCOMPARE(g.banners, QStringList{QStringLiteral("ПОБЕДА!!! / Отгадано слов: 1 из 1 возможных")});
        QVERIFY(f.selLenSlov->isEnabled() && f.kTypGame[0]->isEnabled() && f.kTypGame[1]->isEnabled());
        QVERIFY(!f.mFileSave->isEnabled()); // one line only
    }

    void messagesOfTheAnalysis() {
        Game g;
        g.play(QString());
        QVERIFY(g.prompts.asked.isEmpty());
        QCOMPARE(g.puzzle.TypGame, -1);
        g.play(QStringLiteral("Latin 123 <b>"));
        QCOMPARE(g.lastText(), QStringLiteral("Этот текст не на русском."));
        QCOMPARE(g.prompts.asked.last().icon, smek::Prompts::Icon::Stop);
        QVERIFY(!g.form->mFileSave->isEnabled());
        g.play(QStringLiteral("дом"));
        QCOMPARE(g.lastText(), QStringLiteral("Новых слов не найдено."));
        QCOMPARE(g.form->usrSlova1->state().KolLine, 0);
        QVERIFY(g.form->kTypGame[0]->isEnabled());

        // The author's markup shows as text; what CP1251 cannot hold becomes "?".
        g.play(QStringLiteral("Сыр <b>оса</b>\U0001F600дом"));
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        QVERIFY(g.body().contains(QStringLiteral("&lt;b&gt;")) && !g.body().contains(QStringLiteral("<b>")));
        QVERIFY(g.puzzle.Tekst.find('?') != std::string::npos);
    }

    void createModeQuestionAndIconClicks() {
        Game g;
        g.play();
        g.prompts.answers = {false};
        g.form->kTypGame_Click(1);
        QCOMPARE(g.lastText(), QStringLiteral("Создать словосеть?"));
        QVERIFY(g.prompts.asked.last().icon == smek::Prompts::Icon::Warning && g.prompts.asked.last().noDefault);
        QCOMPARE(g.puzzle.TypGame, 0);

        g.form->kTypGame_Click(1); // Yes
        QCOMPARE(g.puzzle.TypGame, 1);
        QCOMPARE(g.form->windowTitle(), QStringLiteral("Смекалия - Словосеть - Создать"));
        QVERIFY(!g.form->txtAddSlovo->isEnabled());
        QVERIFY(g.body().endsWith(QStringLiteral("Ответы: роса, сад</font></td></table></body></html>")));
        const int asked = g.prompts.asked.size();
        g.form->kTypGame_Click(1); // create again: no question
        g.form->kTypGame_Click(0); // play: never asks
        g.form->kTypGame_Click(1);
        QCOMPARE(g.prompts.asked.size(), asked + 1);

        frmForma& f = *g.form;
        QCOMPARE(f.usrSlova1->picList->image().copy(2, 23, 22, 22), f.usrSlova1->picKnopka[2]);
        g.clickList(10, 30);
        QCOMPARE(f.usrSlova1->picList->image().copy(2, 23, 22, 22), f.usrSlova1->picKnopka[1]);
        QVERIFY(g.body().endsWith(QStringLiteral("Ответы: роса</font></td></table></body></html>")));
        QVERIFY(!g.body().contains(QStringLiteral("<u>са<br>д</u>")) && g.banners.isEmpty());
    }

    void saveAndOpenRestoreTheGame() {
        Game g;
        g.play();
        g.answer(QStringLiteral("роса"));
        g.choose(&frmForma::mFileSave_Click, g.path(QStringLiteral("партия")));
        const QString saved = g.path(QStringLiteral("партия.sst"));
        QVERIFY(QFileInfo::exists(saved));
        QCOMPARE(g.form->windowTitle(), QStringLiteral("партия.sst - Смекалия - Словосеть - Играть"));
        QCOMPARE(g.prompts.fileRequests.last().filters.first(), QStringLiteral("Словосети (*.sst)"));
        QVERIFY(g.prompts.fileRequests.last().filters.last().startsWith(QStringLiteral("All Files")));
        QCOMPARE(g.prompts.fileRequests.last().startFolder, smek::qPath(g.dir));

        // Saving again to the current file asks nothing; over another file it asks.
        const int asked = g.prompts.asked.size();
        g.choose(&frmForma::mFileSave_Click, saved);
        QCOMPARE(g.prompts.asked.size(), asked + 1); // the dialog only
        QCOMPARE(g.prompts.fileRequests.last().proposedName, QStringLiteral("партия"));

        // A fresh start, then open.
        g.puzzle = Puzzle();
        g.puzzle.PathData = (fs::path(g.dir.path().string()) / "Data").string() + "/";
        g.open();
        g.choose(&frmForma::mFileOpen_Click, saved);
        frmForma& f = *g.form;
        QCOMPARE((QList<int>{g.puzzle.TypGame, g.puzzle.Ugadano, g.puzzle.Otkryto, f.usrSlova1->state().KolLine}),
                 (QList<int>{0, 0, 0, 2}));
        QCOMPARE(f.usrSlova1->picList->image().copy(2, 0, 22, 22), f.usrSlova1->picKnopka[4]);
        QCOMPARE(f.usrSlova1->picList->image().copy(2, 23, 22, 22), f.usrSlova1->picKnopka[0]);
        QVERIFY(g.body().contains(QStringLiteral("color='green' size='4'><u>р оса</u>")));
        QCOMPARE(f.windowTitle(), QStringLiteral("партия.sst - Смекалия - Словосеть - Играть"));
        QVERIFY(f.txtAddSlovo->isEnabled() && f.mFileSave->isEnabled());
        // The source box holds the opened text, so "Играть" plays it again.
        QCOMPARE(f.Text1->toPlainText(), kText);
        QCOMPARE(f.statistics().totals().started, 1); // an opened game counts at its first answer
        g.answer(QStringLiteral("сад"));
        QCOMPARE(g.banners, QStringList{QStringLiteral("ПОБЕДА!!! / Отгадано слов: 2 из 2 возможных")});
        QCOMPARE((QList<int>{f.statistics().totals().started, f.statistics().totals().won}), (QList<int>{2, 1}));
        const std::string opened = g.puzzle.Tekst;
        f.kTypGame_Click(0);
        QCOMPARE(g.puzzle.Tekst, opened);
        QCOMPARE(g.puzzle.MaxSpisok, 1);
    }

    void openRefusesWhatDoesNotFit() {
        Game g;
        g.play();
        const QString other = g.path(QStringLiteral("чужой.sst"));
        (void)smek::writeTextFileAtomic(other.toStdString(), "[slovolov]\r\n 1 \r\n");
        g.choose(&frmForma::mFileOpen_Click, other);
        QVERIFY(g.lastText().endsWith(QStringLiteral("не подходит к программе.")));
        QCOMPARE(g.prompts.asked.last().icon, smek::Prompts::Icon::Stop);
        QCOMPARE(g.puzzle.MaxSpisok, 1);
        QCOMPARE(g.form->windowTitle(), QStringLiteral("Смекалия - Словосеть - Играть"));
        g.choose(&frmForma::mFileOpen_Click, g.path(QStringLiteral("нет")));
        QVERIFY(g.lastText().endsWith(QStringLiteral("нет.sst\" не найден.")));
    }

    void webPageOnlyForACreatedPuzzle() {
        Game g;
        g.form->Text1->setPlainText(kText);
        g.form->mFileSaveWeb_Click(); // no puzzle yet
        QVERIFY(g.prompts.asked.isEmpty());
        g.form->kTypGame_Click(0);
        g.form->mFileSaveWeb_Click(); // play mode has its game file instead
        QVERIFY(g.prompts.asked.isEmpty());
        g.form->kTypGame_Click(1);
        g.prompts.inputs = {std::nullopt};
        g.form->mFileSaveWeb_Click(); // a cancelled title writes nothing
        QCOMPARE(g.prompts.fileRequests.size(), 0);
        g.choose(&frmForma::mFileSaveWeb_Click, g.path(QStringLiteral("игра")), QStringLiteral("Лес"));
        QCOMPARE(g.prompts.fileRequests.last().proposedName, QStringLiteral("Лес"));
        QCOMPARE(g.bytes(QStringLiteral("игра.html")), webPage(g.puzzle, smek::w1251("Лес")));
        QVERIFY(!QFileInfo::exists(g.path(QStringLiteral("игра_ответы.html"))));
        // The puzzle's current file stays what it was: the page is no export pair.
        QVERIFY(!g.form->windowTitle().contains(QStringLiteral("игра")));
    }

    void exportWritesBothPages() {
        Game g;
        g.form->Text1->setPlainText(kText);
        g.form->kTypGame_Click(1);
        // The designed pages unless the author unchecks "Простые страницы".
        QVERIFY(g.form->mFilePlain->isChecked());
        g.form->mFilePlain->setChecked(false);
        g.choose(&frmForma::mFileSave_Click, g.path(QStringLiteral("Лес")), QStringLiteral("Лес"));
        QCOMPARE(g.prompts.fileRequests.last().proposedName, QStringLiteral("Лес"));
        QCOMPARE(g.prompts.fileRequests.last().filters.first(), QStringLiteral("Словосети (*.html)"));
        QVERIFY(QFileInfo::exists(g.path(QStringLiteral("Лес.html"))) && QFileInfo::exists(g.path(QStringLiteral("Лес_ответы.html"))));
        const QString page = cp(g.bytes(QStringLiteral("Лес_ответы.html")));
        for (const QString& part : {QStringLiteral("<title>Словосеть: Лес</title>"), QStringLiteral("@page { size: A4"), QStringLiteral("1. роса")})
            QVERIFY2(page.contains(part), qPrintable(part));
        QVERIFY(cp(g.bytes(QStringLiteral("Лес.html"))).contains(QStringLiteral("Найдите в тексте спрятанные слова")));
        QCOMPARE(g.form->windowTitle(), QStringLiteral("Лес_ответы.html - Смекалия - Словосеть - Создать"));

        // The plain pages are the designed bytes; the answers page repeats the view.
        g.form->mFilePlain->setChecked(true);
        g.choose(&frmForma::mFileSave_Click, g.path(QStringLiteral("Простые")), QStringLiteral("Лес"));
        const HtmlPages plain = exportPages(g.puzzle, smek::w1251("Лес"), g.form->text2());
        QCOMPARE(g.bytes(QStringLiteral("Простые.html")), plain.puzzle + "\r\n");
        QCOMPARE(g.bytes(QStringLiteral("Простые_ответы.html")), plain.answers + "\r\n");
        QVERIFY(cp(plain.answers).contains(g.body()));

        // Again: the puzzle page asks (No keeps it), the answers page does not.
        g.prompts.answers = {false};
        const int asked = g.prompts.asked.size();
        g.choose(&frmForma::mFileSave_Click, g.path(QStringLiteral("Лес.html")), QStringLiteral("Лес"));
        QCOMPARE(g.prompts.asked.size(), asked + 3); // title, dialog, one question
        QVERIFY(g.lastText().contains(QStringLiteral("уже существует.")));

        // A title a file name cannot hold is proposed cleaned; the pages keep it.
        g.choose(&frmForma::mFileSave_Click, g.path(QStringLiteral("Лес_Поле_ осень_")), QStringLiteral("Лес/Поле: осень?"));
        QCOMPARE(g.prompts.fileRequests.last().proposedName, QStringLiteral("Лес_Поле_ осень_"));
        QVERIFY(cp(g.bytes(QStringLiteral("Лес_Поле_ осень_.html"))).contains(QStringLiteral("<title>Словосеть: Лес/Поле: осень?</title>")));

        // A cancelled title writes nothing.
        g.prompts.inputs = {std::nullopt};
        g.form->mFileSave_Click();
        QCOMPARE(g.prompts.asked.last().kind, QStringLiteral("input"));
    }

    void helpAndAbout() {
        Game g;
        QString caption;
        g.prompts.onModal = [&](QDialog& dialog) { caption = dialog.windowTitle(); };
        g.form->HelpCallHelp->trigger();
        QCOMPARE(g.prompts.asked.last().text, QStringLiteral("smek::frmWeb"));
        QCOMPARE(caption, QStringLiteral("Справка"));
        g.form->HelpOprog->trigger();
        QCOMPARE(g.prompts.asked.last().text, QStringLiteral("smek::frmOprog"));
    }
};

QTEST_MAIN(frmFormaTest)
#include "frmFormaTest.moc"
