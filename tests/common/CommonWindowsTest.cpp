// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutFaults.h"
#include "QtFolder.h"
#include "CellLetterFaults.h"
#include "ScriptedPrompts.h"
#include "TestPlaces.h"
#include "common/core/Cp1251.h"
#include "common/core/Random.h"
#include "common/core/TextFile.h"
#include "common/core/Version.h"
#include "common/ui/AppStart.h"
#include "common/ui/PictureBox.h"
#include "common/ui/Text.h"
#include "common/ui/UndecodableNames.h"
#include "common/ui/WebLinks.h"
#include "common/ui/apiOpenSave.h"
#include "common/ui/frmEnd.h"
#include "common/ui/frmOprog.h"
#include "common/ui/frmWeb.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <filesystem>

using namespace smek;

namespace {
QString fromUtf8Banner(const frmEnd& win) { return QString::fromStdString(win.banner().text); }

// The rows of the banner area that hold a pixel of the colour.
QList<int> rowsWith(const QImage& image, const QColor& colour, int x0, int x1) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        for (int x = x0; x < x1 && x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                rows << y;
                break;
            }
    return rows;
}
} // namespace

class CommonWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void pictureBoxKeepsWhatIsDrawn() {
        PictureBox box;
        box.setSunkenBorder(true);
        box.setOuterSize(44, 44);
        QCOMPARE(box.image().size(), QSize(40, 40));
        box.clear();
        box.fillRect(1, 1, 3, 3, Qt::green);
        QCOMPARE(box.image().pixelColor(3, 3), QColor(Qt::green));
        QCOMPARE(box.image().pixelColor(4, 4), QColor(Qt::white));
        box.setOuterSize(64, 64); // growing keeps the drawing
        QCOMPARE(box.image().pixelColor(1, 1), QColor(Qt::green));
        // What is drawn survives a repaint of the widget (covered and uncovered).
        box.show();
        box.repaint();
        const QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixelColor(2 + 1, 2 + 1), QColor(Qt::green));
        // The sunken border: two bands on each side, dark above and left, light below and right.
        const QColor grey(128, 128, 128), light(223, 223, 223);
        for (const auto& [x, y, colour] : {std::tuple{30, 0, grey}, {0, 30, grey}, {30, 1, QColor(Qt::black)}, {1, 30, QColor(Qt::black)},
                                           {30, 63, QColor(Qt::white)}, {63, 30, QColor(Qt::white)}, {30, 62, light}, {62, 30, light}})
            QCOMPARE(shown.pixelColor(x, y), colour);
    }

    void boardLettersKeepClearOfTheLines() { QCOMPARE(test::cellLetterFaults(), QStringList()); }

    void pictureBoxOutlineCornersAreInclusive() {
        // A frame round the whole image stays on it.
        PictureBox box;
        box.setOuterSize(60, 34);
        box.clear();
        box.outlineRect(0, 0, 59, 33, Qt::black);
        for (const QPoint p : {QPoint(0, 0), QPoint(59, 0), QPoint(59, 33), QPoint(0, 33), QPoint(59, 20), QPoint(30, 33)})
            QCOMPARE(box.image().pixelColor(p), QColor(Qt::black));
        QCOMPARE(box.image().pixelColor(58, 32), QColor(Qt::white));
    }

    void endBannerIsCentredAndAsWideAsItsText_data() {
        QTest::addColumn<int>("proigrysh");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("won") << 0 << QStringLiteral("ПОБЕДА!!!") << QColor(0, 255, 0);
        QTest::newRow("time ran out") << 1 << QStringLiteral("ВЫ НЕ УСПЕЛИ!!!") << QColor(255, 0, 0);
    }

    void endBannerIsCentredAndAsWideAsItsText() {
        QFETCH(int, proigrysh);
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        Random random(1);
        frmEnd win(nullptr, proigrysh, &random);
        QCOMPARE(win.windowTitle(), QStringLiteral("Конец игры"));
        QCOMPARE(win.size(), QSize(504, 151));
        QCOMPARE(fromUtf8Banner(win), text);
        const int width = win.Picture1->textWidth(text) + 4;
        QCOMPARE(win.Picture1->size(), QSize(width, 84));
        QCOMPARE(win.Picture1->x(), (504 - width) / 2);
        QVERIFY(win.Timer1->isActive());
        QCOMPARE(win.Timer1->interval(), 100);
        QCOMPARE(QColor::fromRgb(win.banner().rgb), colour);
    }

    void endBannerLettersDanceOverTheirShadow() {
        // Scripted draws: first letter 0 px, second 10 px, third 20 px down.
        ScriptedRandom random({0.1, 0.5, 0.9});
        frmEnd win(nullptr, 0, &random);
        win.Timer1_Timer();
        const QImage& img = win.Picture1->image();
        const int w = win.Picture1->textWidth(QStringLiteral("П"));
        const QList<int> green = rowsWith(img, QColor(0, 255, 0), 0, w);
        const QList<int> black = rowsWith(img, Qt::black, 0, w + 4);
        QVERIFY(!green.isEmpty());
        QVERIFY(!black.isEmpty());
        QCOMPARE(black.last(), green.last() + 4); // the shadow sits 4 px lower
        // The second letter sits 10 px below the first.
        const int w2 = win.Picture1->textWidth(QStringLiteral("О"));
        const QList<int> green2 = rowsWith(img, QColor(0, 255, 0), w + 1, w + w2 - 1);
        QVERIFY(!green2.isEmpty());
        QVERIFY(green2.last() - green.last() >= 8 && green2.last() - green.last() <= 12);
    }

    void scoreBannerEmptiesTheAnswerBox() {
        QWidget main;
        auto* answer = new QLineEdit(QStringLiteral("кот"), &main);
        Random random(2);
        frmEnd win(&main, 8, 9, answer, &random);
        QCOMPARE(win.size(), QSize(504, 182));
        QCOMPARE(QString::fromStdString(win.banner().text), QStringLiteral("КОНЕЦ ИГРЫ!!!"));
        QCOMPARE(win.Label1->text(), QStringLiteral("Отгадано слов: 9 из 10 возможных"));
        QVERIFY(!answer->isEnabled());
        QVERIFY(answer->text().isEmpty());
        frmEnd won(&main, 9, 9, nullptr, &random);
        QCOMPARE(QString::fromStdString(won.banner().text), QStringLiteral("ПОБЕДА!!!"));
    }

    void closingTheBannerStopsItLikeOk() {
        Random random(3);
        frmEnd win(nullptr, 1, &random);
        win.show();
        QTimer::singleShot(0, &win, [&] { win.close(); });
        win.exec();
        QCOMPARE(win.result(), int(QDialog::Rejected)); // closed, not crashed; OK accepts
        frmEnd ok(nullptr, 1, &random);
        QTimer::singleShot(0, ok.OK, [&] { ok.OK->click(); });
        QCOMPARE(ok.exec(), int(QDialog::Accepted));
    }

    void helpCaptionFollowsThePageTitle() {
        smek::TempFolder dir;
        const QString page = smek::qPath(dir, QStringLiteral("Словолов.htm"));
        writeTextFileAtomic(page.toStdString(),
                            w1251("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">"
                                  "<title>Словолов: правила</title></head><body><p>Ищите слова.</p>"
                                  "<a href=\"#x\">x</a></body></html>"));
        ScriptedPrompts prompts;
        frmWeb win(nullptr, prompts, page);
        QCOMPARE(win.windowTitle(), QStringLiteral("Словолов: правила"));
        QVERIFY(win.WebBrowser1->toPlainText().contains(QStringLiteral("Ищите слова.")));
        QVERIFY(win.windowState() & Qt::WindowMaximized);
        frmWeb fixed(nullptr, prompts, page, QStringLiteral("Справка"));
        QCOMPARE(fixed.windowTitle(), QStringLiteral("Справка"));
        frmWeb missing(nullptr, prompts, smek::qPath(dir, QStringLiteral("нет.htm")));
        QVERIFY(missing.WebBrowser1->toPlainText().contains(QStringLiteral("не найдена")));
        win.resize(700, 500);
        win.show();
        QCOMPARE(win.WebBrowser1->geometry(), QRect(QPoint(0, 0), win.size()));
    }

    void helpLinksToTheWebGoToTheBrowser() {
        smek::TempFolder dir;
        const QString page = smek::qPath(dir, QStringLiteral("a.htm"));
        writeTextFileAtomic(page.toStdString(), "<html><head><title>A</title></head><body>A</body></html>");
        writeTextFileAtomic(smek::qPath(dir, QStringLiteral("b.htm")).toStdString(),
                            "<html><head><title>B</title></head><body>B</body></html>");
        ScriptedPrompts prompts;
        frmWeb win(nullptr, prompts, page);
        emit win.WebBrowser1->anchorClicked(QUrl(QStringLiteral("https://example.org/x")));
        QCOMPARE(prompts.opened, QStringList{QStringLiteral("https://example.org/x")});
        emit win.WebBrowser1->anchorClicked(QUrl(QStringLiteral("b.htm")));
        QCOMPARE(win.windowTitle(), QStringLiteral("B")); // local pages stay in the help window
        QVERIFY(prompts.texts().isEmpty());
        // A browser that does not start is reported, not left to silence.
        prompts.openSucceeds = false;
        emit win.WebBrowser1->anchorClicked(QUrl(QStringLiteral("https://example.org/y")));
        QCOMPARE(prompts.texts(), QStringList{QStringLiteral("Не удалось открыть в браузере:\nhttps://example.org/y")});
        QCOMPARE(prompts.asked.last().icon, Prompts::Icon::Stop);
    }

    void helpOpensAtTheTopOfThePage() {
        ScriptedPrompts prompts;
        for (const char* name : {"Словолов.htm", "Словосеть.htm", "Буквоклад.htm"}) {
            frmWeb win(nullptr, prompts, QString::fromUtf8(DATA_SOURCE_DIR "/help/") + QString::fromUtf8(name));
            win.show();
            QVERIFY(QTest::qWaitForWindowExposed(&win));
            QCoreApplication::processEvents();
            // The first line of the page, its heading, is the first line shown.
            QCOMPARE(win.WebBrowser1->verticalScrollBar()->value(), 0);
            const QTextBlock first = win.WebBrowser1->document()->firstBlock();
            const QRect top = win.WebBrowser1->cursorRect(QTextCursor(first));
            QVERIFY2(top.top() >= 0 && top.top() < 40, name);
            QVERIFY(first.text().size() > 3);
        }
    }

    void startUpWindowsAreCentred() {
        QWidget window;
        window.resize(300, 200);
        centreOnScreen(window);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((window.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    }

    void startUpFinishesAfterTheFirstPaint() {
        setUpApplication(*qApp, QStringLiteral("org.smekalia.Slovolov"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.smekalia.Slovolov"));
        QCOMPARE(QApplication::font().pixelSize(), 11); // 8 points
        // Other events go by; the icon and Qt's Russian wait for a paint.
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::User));
        for (int turn = 0; turn < 3; ++turn) QCoreApplication::processEvents(); // a zero timer's turn too
        QVERIFY(QApplication::windowIcon().isNull());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Да"));
    }

    void anEmptyFileArgumentIsNone() {
        char program[] = "slovolov", empty[] = "", named[] = "/home/u/\xc8\xe3\xf0\xe0.slv"; // a CP1251 name
        char* none[] = {program, nullptr};
        char* blank[] = {program, empty, nullptr};
        char* file[] = {program, named, nullptr};
        QVERIFY(smek::fileArgument(1, none).isEmpty());
        QVERIFY(smek::fileArgument(2, blank).isEmpty());
        QCOMPARE(smek::toPath(smek::fileArgument(2, file)), std::string(named)); // its bytes kept
    }

    void textInputBoxShowsTheWholeCaption() {
        QtPrompts prompts(QStringLiteral("Смекалия - Словосеть"));
        int width = 0, captionWidth = 0;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            width = box->width();
            captionWidth = QFontMetrics(box->font()).horizontalAdvance(box->windowTitle());
            QCOMPARE(box->windowTitle(), QStringLiteral("Смекалия - Словосеть"));
            box->close();
        });
        QCOMPARE(prompts.inputText(QStringLiteral("Введите название словосети"), QStringLiteral("Лес")), std::nullopt);
        QVERIFY2(width >= captionWidth + 100, qPrintable(QStringLiteral("%1 for %2").arg(width).arg(captionWidth)));
    }

    void windowsLargerThanTheScreenScroll() {
        const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
        QMainWindow big;
        auto* client = new QWidget;
        client->setFixedSize(room + QSize(200, 100));
        auto* corner = new QLabel(QStringLiteral("угол"), client);
        corner->setGeometry(client->width() - 40, client->height() - 20, 40, 20);
        big.setCentralWidget(client);
        big.setFixedSize(big.sizeHint());
        const QSize whole = big.size();
        fitToScreen(big);
        auto* scroll = qobject_cast<QScrollArea*>(big.centralWidget());
        QVERIFY(scroll);
        QCOMPARE(scroll->widget(), client);
        QCOMPARE(scroll->frameShape(), QFrame::NoFrame); // the window's edge is the only frame
        QCOMPARE(client->size(), room + QSize(200, 100)); // the designed geometry stays
        QVERIFY(big.width() <= room.width() && big.height() <= room.height());
        QCOMPARE(big.maximumSize(), whole);
        big.show();
        QVERIFY(QTest::qWaitForWindowExposed(&big));
        scroll->ensureWidgetVisible(corner);
        QVERIFY(scroll->viewport()->rect().contains(corner->mapTo(scroll->viewport(), QPoint(39, 19))));

        QMainWindow small;
        auto* inner = new QWidget;
        inner->setFixedSize(300, 200);
        small.setCentralWidget(inner);
        small.setFixedSize(small.sizeHint());
        fitToScreen(small);
        QCOMPARE(small.centralWidget(), inner); // a window that fits is left alone
    }

    void saveFileUrlOpensDirectlyOrThroughAPrivatePage() {
        smek::TempFolder dir;
        Places places = testPlaces(dir.path().string() + "/Data/");
        ScriptedPrompts prompts;
        SaveFileUrl(prompts, places, "https://example.org/");
        QCOMPARE(prompts.opened, QStringList{QStringLiteral("https://example.org/")}); // no file at all
        QVERIFY(!QFileInfo::exists(smek::qPath(dir, QStringLiteral("pages"))));
        QVERIFY(prompts.texts().isEmpty());
        // Where the platform cannot open the address, a redirect page in the
        // private pages folder can; a name that cannot be written is skipped.
        prompts.openSucceeds = false;
        QDir(smek::qPath(dir)).mkpath(QStringLiteral("pages/0.html"));
        QFile::setPermissions(smek::qPath(dir, QStringLiteral("pages")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        SaveFileUrl(prompts, places, "https://example.org/");
        QCOMPARE(prompts.opened.last(), smek::qPath(dir, QStringLiteral("pages/1.html")));

        // A pages folder others can enter is not used: a fresh private one is made.
        QFile::setPermissions(smek::qPath(dir, QStringLiteral("pages")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                                        QFile::ReadOther | QFile::ExeOther);
        SaveFileUrl(prompts, places, "https://example.org/");
        const QString fresh = prompts.opened.last();
        QVERIFY2(fresh.startsWith(smek::qPath(dir, QStringLiteral("smekalia-"))) && fresh.endsWith(QStringLiteral("/0.html")),
                 qPrintable(fresh));

        places.pages = "/nonexistent-folder/pages";
        places.temp = "/nonexistent-folder";
        const int opened = prompts.opened.size();
        SaveFileUrl(prompts, places, "https://example.org/");
        QCOMPARE(prompts.opened.size(), opened + 1); // only the direct try: nothing written, nothing more opened
        // Neither the address nor a page opened: the player is told which address.
        QCOMPARE(prompts.texts().last(), QStringLiteral("Не удалось открыть в браузере:\nhttps://example.org/"));
    }

    void aboutBoxShowsItsTextsAndFlag() {
        smek::TempFolder dir;
        ScriptedPrompts prompts;
        frmOprog win(nullptr, prompts, testPlaces(dir.path().string() + "/Data/"), QStringLiteral("/opt/игры/Справка/Словолов.htm"));
        QCOMPARE(win.windowTitle(), QStringLiteral("О программе"));
        QCOMPARE(win.size(), QSize(354, 216));
        QCOMPARE(test::layoutFaults(win), QStringList());
        QStringList texts;
        for (QLabel* label : win.findChildren<QLabel*>()) texts << label->text();
        for (const char* expected : {"Справка:", "Дата: 1 сентября 2008 года -", "30 июля 2015 года"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        // The version of the build, as debian/changelog gives it.
        QVERIFY(texts.contains(QStringLiteral("Версия: v") + QString::fromUtf8(kVersion)));
        const QImage& flag = win.Picture1->image();
        QCOMPARE(flag.size(), QSize(80, 45));
        QCOMPARE(QList({flag.pixelColor(40, 5), flag.pixelColor(40, 20), flag.pixelColor(40, 40)}),
                 QList<QColor>({Qt::white, QColor(0, 0, 255), QColor(255, 0, 0)}));
        QCOMPARE(win.Label1->cursor().shape(), Qt::PointingHandCursor);

        // Two clicks open the page twice, directly, leaving no file behind.
        win.Label1_Click();
        win.Label1_Click();
        QCOMPARE(prompts.opened.size(), 2);
        QVERIFY(prompts.opened[0].startsWith(QStringLiteral("file:///opt/%D0%B8%D0%B3%D1%80%D1%8B/")));
        QCOMPARE(QDir(smek::qPath(dir)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{});
    }

    void fileDialogOffersTheCallersFilterFirst() {
        ScriptedPrompts prompts;
        prompts.files = {QStringLiteral("/home/u/игра.slv"), QString(256, QLatin1Char('a'))};
        const QString chosen = apiOpenSave(prompts, -1, QStringLiteral("игра"), {{QStringLiteral("Словолов (*.slv)"), QStringLiteral("*.slv")}},
                                           {QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")}, QStringLiteral("/data"));
        QCOMPARE(chosen, QStringLiteral("/home/u/игра.slv"));
        const Prompts::FileRequest& request = prompts.fileRequests.first();
        QVERIFY(request.save);
        QCOMPARE(request.filters, (QStringList{QStringLiteral("Словолов (*.slv)"), QStringLiteral("Все файлы (*)")}));
        QCOMPARE(QStringList({request.startFolder, request.proposedName}), QStringList({QStringLiteral("/data"), QStringLiteral("игра")}));
        QVERIFY(prompts.asked.size() == 1 && prompts.asked.last().kind == QStringLiteral("file"));
    }

    // 254 characters are a path; 255 are reported, not taken for a cancel.
    void fileDialogReportsAPathTooLong() {
        const FilterPair all{QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")};
        const QString longest = QStringLiteral("/tmp/") + QString(249, QChar(0x0436)); // ж
        ScriptedPrompts prompts;
        prompts.files = {longest, longest + QLatin1Char('x'), longest + QLatin1Char('x')};
        QCOMPARE(apiOpenSave(prompts, -1, {}, {}, all, {}), longest);
        QVERIFY(prompts.texts().isEmpty());
        QVERIFY(apiOpenSave(prompts, -1, {}, {}, all, {}).isEmpty());
        QCOMPARE(prompts.texts().size(), 1);
        QCOMPARE(prompts.asked.last().icon, Prompts::Icon::Stop);
        QCOMPARE(prompts.texts().last(), QStringLiteral("Файл \"") + longest + QStringLiteral("x\" сохранить не возможно.\r\n") +
                                             QStringLiteral("Путь к файлу длиннее 254 знаков."));
        QVERIFY(apiOpenSave(prompts, 0, {}, {}, all, {}).isEmpty());
        QVERIFY(prompts.texts().last().contains(QStringLiteral("открыть не возможно.")));
        // A cancel says nothing.
        QVERIFY(apiOpenSave(prompts, 0, {}, {}, all, {}).isEmpty());
        QCOMPARE(prompts.texts().size(), 2);
    }

    // A file name such as "<u>bad.slv" or "a&lt;b.slv" is shown as it is written.
    void boxesShowTextsAsPlainText() {
        QtPrompts prompts(QStringLiteral("Смекалия - Словолов"));
        const QString text = QStringLiteral("Файл \"/tmp/<u>bad&lt;b.slv\" не подходит к программе.");
        QList<Qt::TextFormat> formats;
        QStringList shown;
        const auto inspect = [&] {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box) {
                    formats << box->textFormat();
                    shown << box->text();
                    box->done(QMessageBox::No);
                } else if (auto* input = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                    const auto* label = input->findChild<QLabel*>();
                    formats << (label ? label->textFormat() : Qt::AutoText);
                    shown << input->labelText();
                    input->reject();
                }
            });
        };
        inspect();
        prompts.message(text, Prompts::Icon::Stop);
        inspect();
        QVERIFY(!prompts.question(text, Prompts::Icon::Warning, true));
        inspect();
        QVERIFY(!prompts.inputText(QStringLiteral("<b>Введите</b>"), {}));
        QCOMPARE(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText, Qt::PlainText}));
        QCOMPARE(shown, (QStringList{text, text, QStringLiteral("<b>Введите</b>")}));
    }

    void pathsKeepTheirBytes() {
        const std::string cp1251 = "/tmp/\xC8\xE3\xF0\xE0.slv"; // Игра in CP1251
        const QString escaped = fromPath(cp1251);
        QCOMPARE(escaped.size(), 13);
        QCOMPARE(escaped[5].unicode(), char16_t(0xDCC8));
        QCOMPARE(toPath(escaped), cp1251);
        for (const std::string& bytes : {std::string("/home/u/Игра 😀.slv"), std::string("\xE2\x82"), std::string("\xED\xA0\x80"),
                                         std::string("\xC0\xAF"), std::string("\xF4\x90\x80\x80"), std::string("a\xFF\xFE" "b"),
                                         std::string("\xF0\x9F\x98\x80\xFF")}) // a pair, then a byte kept as it was
            QCOMPARE(toPath(fromPath(bytes)), bytes);
        QCOMPARE(fromPath("/home/u/Игра 😀.slv"), QStringLiteral("/home/u/Игра 😀.slv")); // valid UTF-8 as it is
        QCOMPARE(filterPatterns(QStringLiteral("Словолов (*.slv)")), QStringList{QStringLiteral("*.slv")});
        QCOMPARE(filterPatterns(QStringLiteral("Все файлы (*)")), QStringList{QStringLiteral("*")});
    }

    // Qt leaves such names out of its view; the open dialog lists them below and
    // choosing one gives a path that opens.
    void openDialogListsNamesThatAreNotUtf8() {
        smek::TempFolder dir;
        const std::string folder = dir.path().string();
        const std::string game = folder + "/\xC8\xE3\xF0\xE0.slv";
        QVERIFY(!writeTextFileAtomic(game, "[slovolov]\r\n"));
        QVERIFY(!writeTextFileAtomic(folder + "/\xC8.txt", "x"));
        QVERIFY(!writeTextFileAtomic(folder + "/ok.slv", "x"));
        QCOMPARE(undecodableFiles(folder, {QStringLiteral("*.slv")}), std::vector<std::string>{game.substr(folder.size() + 1)});
        QCOMPARE(undecodableFiles(folder, {QStringLiteral("*")}).size(), size_t(2));

        QtPrompts prompts(QStringLiteral("Смекалия - Словолов"));
        QStringList listed;
        bool shown = false, below = false; // a single such name shows the list too
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* list = dialog ? dialog->findChild<QListWidget*>(QStringLiteral("undecodableNames")) : nullptr;
            if (!list) {
                if (dialog) dialog->reject();
                return;
            }
            shown = list->isVisibleTo(dialog);
            // In the dialog, below the file name.
            const QRect at = list->geometry();
            below = dialog->rect().contains(at) && at.top() > dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->geometry().bottom();
            for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
            if (list->count() > 0) emit list->itemActivated(list->item(0));
            else dialog->reject();
        });
        Prompts::FileRequest request;
        request.startFolder = smek::qPath(dir);
        request.filters = {QStringLiteral("Словолов (*.slv)"), QStringLiteral("Все файлы (*)")};
        const QString chosen = prompts.fileDialog(request);
        QCOMPARE(listed, QStringList{QStringLiteral("Игра.slv")});
        QVERIFY(shown && below);
        QCOMPARE(toPath(chosen), game);
        QCOMPARE(readTextFile(toPath(chosen)).content, std::string("[slovolov]\r\n"));
    }
};

QTEST_MAIN(CommonWindowsTest)
#include "CommonWindowsTest.moc"
