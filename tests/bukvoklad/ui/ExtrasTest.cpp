// SPDX-License-Identifier: GPL-3.0-or-later
// Additions beyond the designed window: hints, letters in use, reshuffle and
// the anagram worksheet on paper.
#include "WindowTable.h"
#include "BoardReading.h"
#include "bukvoklad/core/Hint.h"
#include "bukvoklad/ui/PrintWorksheet.h"
#include "common/ui/Text.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

using namespace smek;
using namespace smek::bukvoklad;

namespace {

const QColor kOpened(0, 128, 0);
const QColor kUsedCell(0xD8, 0xD8, 0xD8);
const QColor kUsedLetter(0x98, 0x98, 0x98);

struct Window : test::WindowTable {
    explicit Window(int optKolBukv) : WindowTable(5) { open(optKolBukv); }
    // A game in play over the one word of this file.
    Window(int optKolBukv, const std::string& file, const char* word) : Window(optKolBukv) {
        folder.words(file, {word});
        form->NewGame();
    }
    QString word() const { return fromCp1251(game.Slovo); }
    // The letter of the word at position p, as a one-letter string.
    QString letter(int p) const { return word().mid(p, 1); }
    QString cell(int j, const QColor& colour = Qt::black, const QColor& back = Qt::white) const {
        return letterInCell(*form->picControl, j, word().split(QString(), Qt::SkipEmptyParts), colour, back);
    }
    int opened() const {
        for (size_t p = 0; p < game.board.opened.size(); ++p)
            if (game.board.opened[p]) return static_cast<int>(p);
        return -1;
    }
    long hints() const { return std::count(game.board.opened.begin(), game.board.opened.end(), true); }
};

int pdfPages(const QByteArray& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the size dialog with these values.
std::function<void(QDialog&)> choose(int words, int length) {
    return [words, length](QDialog& dialog) {
        if (auto* sheet = qobject_cast<frmWorksheet*>(&dialog)) {
            sheet->selWords->setValue(words);
            sheet->selLenSlov->setCurrentIndex(sheet->selLenSlov->findData(length));
            sheet->accept();
        }
    };
}

} // namespace

class ExtrasTest : public QObject {
    Q_OBJECT
private slots:
    void hintOpensOneLetterInItsCellUpToTheLastButOne();
    void typedLettersGreyOutCellsAndBackspaceGivesThemBack();
    void reshuffleKeepsOpenedLettersAndTheWord();
    void extrasRestOutsidePlay();
    void worksheetSavedAsPdf();
    void worksheetPrinted();
    void worksheetSavedAsWebPage();
    void worksheetRefusalsAndCancels();
};

void ExtrasTest::hintOpensOneLetterInItsCellUpToTheLastButOne() {
    Window w(6, "a.6", "КОРОВА");
    QVERIFY(w.form->kPodskazka->isEnabled());
    QCOMPARE(w.hints(), 0);
    w.form->kPodskazka->click();
    QCOMPARE(w.hints(), 1);
    const int p = w.opened();
    QVERIFY(p >= 0);
    QCOMPARE(w.cell(p, kOpened), w.letter(p));
    QCOMPARE(w.form->Text1->text(), QString()); // the answer stays the player's

    // The menu entry (F2) gives the rest, all but one letter.
    for (int i = 0; i < 10; ++i) w.form->MenuPodskazka->trigger();
    QCOMPARE(w.hints(), 5);
    QVERIFY(!w.form->kPodskazka->isEnabled() && !w.form->MenuPodskazka->isEnabled());
    QCOMPARE(w.form->MenuPodskazka->shortcut(), QKeySequence(Qt::Key_F2));
    int green = 0;
    for (int j = 0; j < 6; ++j) green += w.cell(j, kOpened) == w.letter(j);
    QCOMPARE(green, 5);

    // A new game starts without hints.
    w.form->kNew->click();
    QVERIFY(w.hints() == 0 && w.form->kPodskazka->isEnabled());
}

void ExtrasTest::typedLettersGreyOutCellsAndBackspaceGivesThemBack() {
    Window w(4, "a.4", "МАМА");
    const auto greyed = [&] {
        int n = 0;
        for (int j = 0; j < 4; ++j) n += w.cell(j, kUsedLetter, kUsedCell) != QStringLiteral("?");
        return n;
    };
    typeText(w.form->Text1, QStringLiteral("м"));
    QCOMPARE(greyed(), 1);
    typeText(w.form->Text1, QStringLiteral("мм"));
    QCOMPARE(greyed(), 2); // the board has only two М
    QTest::keyClick(w.form->Text1, Qt::Key_Backspace);
    QTest::keyClick(w.form->Text1, Qt::Key_Backspace);
    QCOMPARE(greyed(), 1);
    QTest::keyClick(w.form->Text1, Qt::Key_Backspace);
    QCOMPARE(greyed(), 0);
    for (int j = 0; j < 4; ++j) QVERIFY(w.cell(j) != QStringLiteral("?"));
    // The whole word: every cell used, and the win is as designed.
    typeText(w.form->Text1, QStringLiteral("мама"));
    QCOMPARE(greyed(), 4);
    QCOMPARE(w.game.GameState, 0);
}

void ExtrasTest::reshuffleKeepsOpenedLettersAndTheWord() {
    Window w(8, "a.8", "КОЛОКОЛА");
    w.form->kPodskazka->click();
    const int p = w.opened();
    for (int i = 0; i < 5; ++i) {
        const QImage before = w.form->picControl->image();
        w.form->kPeremeshat->click();
        QVERIFY(w.form->picControl->image() != before);
        QCOMPARE(w.cell(p, kOpened), w.letter(p));
    }
    // A click on the button hands the keyboard back to the answer box.
    w.form->show();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    QTest::mouseClick(w.form->kPeremeshat, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.form->Text1);
    QTest::mouseClick(w.form->kPodskazka, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w.form->Text1);
    QCOMPARE(w.form->MenuPeremeshat->shortcut(), QKeySequence(Qt::Key_F3));
}

void ExtrasTest::extrasRestOutsidePlay() {
    Window w(3, "a.3", "КОТ");
    typeText(w.form->Text1, QStringLiteral("кот")); // won
    QVERIFY(!w.form->kPodskazka->isEnabled() && !w.form->kPeremeshat->isEnabled());
    w.form->kNew->click();
    QVERIFY(w.form->kPeremeshat->isEnabled());
    w.form->kSdatsya->click(); // given up: the word stands in order
    QVERIFY(!w.form->kPodskazka->isEnabled() && !w.form->kPeremeshat->isEnabled());
    const QImage revealed = w.form->picControl->image();
    w.form->MenuPeremeshat->trigger();
    w.form->MenuPodskazka->trigger();
    typeText(w.form->Text1, QStringLiteral("к"));
    QVERIFY(w.form->picControl->image() == revealed && w.hints() == 0);
    // No database: nothing to hint or shuffle.
    w.game.OptKolBukv = 9;
    w.form->kNew->click();
    QVERIFY(!w.form->kPodskazka->isEnabled() && !w.form->kPeremeshat->isEnabled());
}

void ExtrasTest::worksheetSavedAsPdf() {
    Window w(0);
    w.folder.manyWords("a.7", 7, 60);
    w.folder.manyWords("a.19", 19, 60);
    w.prompts.onModal = choose(30, 0);
    const QString path = QString::fromStdString((w.folder.path() / "лист").string());
    w.prompts.files.push_back(path);
    w.form->MenuPdf->trigger();
    QCOMPARE(w.prompts.fileRequests.size(), 1);
    QVERIFY(w.prompts.fileRequests[0].save);
    QCOMPARE(w.prompts.fileRequests[0].filters.first(), QStringLiteral("Документ PDF (*.pdf)"));
    const QByteArray pdf = readAll(path + QStringLiteral(".pdf")); // the extension is added
    QVERIFY(pdf.startsWith("%PDF"));
    // Thirty rows with answer cells under nineteen letters: three pages, and three of answers.
    QCOMPARE(pdfPages(pdf), 6);
    // A4 in points.
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]")).match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    QCOMPARE((QList<int>{qRound(box.captured(1).toDouble()), qRound(box.captured(2).toDouble())}), (QList<int>{595, 842}));
    QVERIFY(w.prompts.texts().isEmpty());

    // Saving over it asks first; No keeps the old file.
    QFile::resize(path + QStringLiteral(".pdf"), 10);
    w.prompts.files.push_back(path + QStringLiteral(".pdf"));
    w.prompts.answers.push_back(false);
    w.form->MenuPdf->trigger();
    QCOMPARE(w.prompts.texts().size(), 1);
    QVERIFY(w.prompts.texts()[0].endsWith(QStringLiteral("уже существует.\r\nЗаменить его?")));
    QCOMPARE(QFileInfo(path + QStringLiteral(".pdf")).size(), 10);
    w.prompts.files.push_back(path + QStringLiteral(".pdf"));
    w.form->MenuPdf->trigger(); // Yes
    QCOMPARE(pdfPages(readAll(path + QStringLiteral(".pdf"))), 6);
}

void ExtrasTest::worksheetSavedAsWebPage() {
    Window w(0);
    w.folder.manyWords("a.7", 7, 60);
    w.prompts.onModal = choose(12, 7);
    const QString path = QString::fromStdString((w.folder.path() / "лист").string());
    w.prompts.files.push_back(path);
    w.form->MenuWeb->trigger();
    QCOMPARE(w.prompts.fileRequests.size(), 1);
    QCOMPARE(w.prompts.fileRequests[0].proposedName, QStringLiteral("Анаграммы.html"));
    const QString page = QString::fromUtf8(readAll(path + QStringLiteral(".html")));
    QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
    QCOMPARE(page.count(QStringLiteral("{\"l\":")), 12);
    QVERIFY(w.prompts.texts().isEmpty());
    // A cancelled size dialog writes nothing.
    w.prompts.onModal = [](QDialog& dialog) { dialog.reject(); };
    w.form->MenuWeb->trigger();
    QCOMPARE(w.prompts.fileRequests.size(), 1);
}

void ExtrasTest::worksheetPrinted() {
    Window w(5);
    w.folder.manyWords("a.5", 5, 20);
    const QString out = QString::fromStdString((w.folder.path() / "printed.pdf").string());
    bool printDialog = false;
    QVariant offeredLength;
    const auto printInto = [&](const QString& file) {
        return [&, file](QDialog& dialog) {
            if (auto* sheet = qobject_cast<frmWorksheet*>(&dialog)) offeredLength = sheet->selLenSlov->currentData();
            if (auto* print = qobject_cast<QPrintDialog*>(&dialog)) {
                printDialog = true;
                print->accept();
                // Stands in for a printer: the same painting, into a file.
                print->printer()->setOutputFormat(QPrinter::PdfFormat);
                print->printer()->setOutputFileName(file);
            } else {
                choose(10, 5)(dialog);
            }
        };
    };
    w.prompts.onModal = printInto(out);
    w.form->MenuPrint->trigger();
    QVERIFY(offeredLength == QVariant(5) && printDialog); // the game's own length comes first
    QCOMPARE(pdfPages(readAll(out)), 2);
    QVERIFY(w.prompts.texts().isEmpty());

    // A printer that cannot start is reported, not taken for done.
    w.prompts.onModal = printInto(QString::fromStdString((w.folder.path() / "нет/лист.pdf").string()));
    w.form->MenuPrint->trigger();
    QCOMPARE(w.prompts.texts(), QStringList{QStringLiteral("Напечатать лист не удалось.")});
    // Cancelling the print dialog prints nothing and says nothing.
    QFile::remove(out);
    w.prompts.onModal = choose(10, 5);
    w.form->MenuPrint->trigger();
    QVERIFY(!QFile::exists(out) && w.prompts.texts().size() == 1);
}

void ExtrasTest::worksheetRefusalsAndCancels() {
    Window w(0);
    // The size dialog cancelled: nothing more is asked.
    w.form->MenuPdf->trigger();
    QCOMPARE(w.prompts.asked.size(), 1);
    // A count out of range is refused, not replaced; the dialog stays open.
    bool refused = false;
    w.prompts.onModal = [&](QDialog& dialog) {
        auto* sheet = qobject_cast<frmWorksheet*>(&dialog);
        if (!sheet) return;
        QVERIFY(sheet->sizeHint().width() >= smek::captionWidth(*sheet)); // the whole title shows
        sheet->selWords->selectAll();
        QTest::keyClicks(sheet->selWords, QStringLiteral("9"));
        sheet->kOK_Click();
        refused = sheet->result() != QDialog::Accepted;
        QTest::keyClicks(sheet->selWords, QStringLiteral("1")); // 91: the box takes no more than 30
        sheet->selWords->selectAll();
        QTest::keyClicks(sheet->selWords, QStringLiteral("10"));
        sheet->kOK_Click();
        QCOMPARE(sheet->words(), 10);
        sheet->reject(); // nothing printed in this test
    };
    w.form->MenuPdf->trigger();
    QVERIFY(refused);
    QCOMPARE(w.prompts.texts().last(), QStringLiteral("Количество слов - от 10 до 30"));
    w.prompts.onModal = {};
    w.prompts.asked.clear();
    QVERIFY(w.prompts.fileRequests.isEmpty());
    // No words of that length: the game's own message, no file dialog.
    w.prompts.onModal = choose(10, 12);
    w.form->MenuPdf->trigger();
    QCOMPARE(w.prompts.texts(), QStringList{QStringLiteral("База данных слов не найдена\nНет файла со словами из 12 букв (*.12).")});
    QVERIFY(w.prompts.fileRequests.isEmpty());
    // A broken word file is named; the program goes on.
    w.folder.write("bad.12", " 5 \r\n");
    w.form->MenuPrint->trigger();
    QVERIFY(w.prompts.texts().last().endsWith(QStringLiteral("не подходит к программе.")));
    // The file dialog cancelled: nothing written.
    w.folder.manyWords("a.12", 12, 20);
    std::filesystem::remove(w.folder.path() / "bad.12");
    w.form->MenuPdf->trigger();
    QCOMPARE(w.prompts.fileRequests.size(), 1);
    QCOMPARE(QDir(QString::fromStdString(w.folder.path().string())).entryList({QStringLiteral("*.pdf")}).size(), 0);
}

QTEST_MAIN(ExtrasTest)
#include "ExtrasTest.moc"
