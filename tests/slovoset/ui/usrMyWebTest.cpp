// SPDX-License-Identifier: GPL-3.0-or-later
// The HTML view: only the up and down arrows act on it.
#include "common/core/Cp1251.h"
#include "common/ui/Text.h"
#include "slovoset/core/ShowHtml.h"
#include "slovoset/core/TekstKakNapisan.h"
#include "slovoset/ui/usrMyWeb.h"

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace smek::slovoset;

class usrMyWebTest : public QObject {
    Q_OBJECT
private slots:
private slots:
    void showMarkCountsTheCharactersAsWritten() {
        // Stress marks, a soft hyphen, a zero-width space and an emoji before
        // the word: the view counts them, so the place must too.
        const smek::slovoset::AuthorText text =
            authorText("Ста\u0301рый за\u0301\u00ADмок\u200B 😀\uFE0F стоя\u0301л, ОСОБЫЙ лес");
        usrMyWeb view;
        view.resize(400, 120);
        view.LoadHtml(smek::fromCp1251(htmlViewDocument(htmlText(text.Tekst, text.kakNapisano))));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const int at = static_cast<int>(text.Tekst.find(smek::w1251("ОСОБЫЙ"))) + 1;
        QTextCursor word = view.WebBrowser1->document()->find(QStringLiteral("ОСОБЫЙ"));
        QVERIFY(!word.isNull());
        QCOMPARE(view.showMark(shownMarksBefore(text.Tekst, at, text.kakNapisano)), word.selectionStart());
    }

    void showMarkFindsTheCharacterInTheDesignedDocument() {
        usrMyWeb view;
        view.resize(400, 120);
        // Blanks that the page collapses, line breaks, entities and a word in the middle.
        std::string tekst;
        for (int i = 0; i < 120; ++i) tekst += smek::w1251(i == 60 ? "  дом &lt;  ОСОБЫЙ   лес<br>" : "ля  ля<br>");
        const int at = static_cast<int>(tekst.find(smek::w1251("ОСОБЫЙ"))) + 1;
        view.LoadHtml(smek::fromCp1251(htmlViewDocument(htmlText(tekst))));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScrollBar* bar = view.WebBrowser1->verticalScrollBar();
        const int found = view.showMark(shownMarksBefore(tekst, at));
        QVERIFY(bar->value() > 0);
        QVERIFY(bar->value() < bar->maximum());
        QTextCursor word = view.WebBrowser1->document()->find(QStringLiteral("ОСОБЫЙ"));
        QVERIFY(!word.isNull());
        word.setPosition(word.selectionStart());
        const QRect place = view.WebBrowser1->cursorRect(word);
        QVERIFY(view.WebBrowser1->viewport()->rect().contains(place));
        // A third from the top, so the lines around it show too.
        QVERIFY(place.top() > 10);
        QVERIFY(place.top() < view.WebBrowser1->viewport()->height() / 2);
        QCOMPARE(found, word.position());
        QCOMPARE(view.showMark(1 << 20), -1); // past the end: nothing moves
    }

    void onlyTheArrowsScroll() {
        usrMyWeb view;
        view.resize(300, 100);
        QString lines;
        for (int i = 0; i < 200; ++i) lines += QStringLiteral("строка %1<br>").arg(i);
        view.LoadHtml(QStringLiteral("<html><body>") + lines + QStringLiteral("</body></html>"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QScrollBar* bar = view.WebBrowser1->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);

        QTest::keyClick(view.WebBrowser1, Qt::Key_Down);
        const int down = bar->value();
        QVERIFY(down > 0);
        for (Qt::Key key : {Qt::Key_A, Qt::Key_F5, Qt::Key_Backspace, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Space,
                            Qt::Key_Home, Qt::Key_PageUp})
            QTest::keyClick(view.WebBrowser1, key);
        QTest::keyClick(view.WebBrowser1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(bar->value(), down);
        QVERIFY(!view.WebBrowser1->textCursor().hasSelection());
        QTest::keyClick(view.WebBrowser1, Qt::Key_Up);
        QCOMPARE(bar->value(), 0);
    }

    void nothingCanBeSelectedNorMenuedNorFollowed() {
        usrMyWeb view;
        view.resize(300, 100);
        view.LoadHtml(QStringLiteral("<html><body><a href='http://example.org/'>ссылка</a> текст текст</body></html>"));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QWidget* port = view.WebBrowser1->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, QPoint(5, 8));
        QTest::mouseMove(port, QPoint(200, 8));
        QTest::mouseRelease(port, Qt::LeftButton, {}, QPoint(200, 8));
        QTest::mouseDClick(port, Qt::LeftButton, {}, QPoint(20, 8));
        QVERIFY(!view.WebBrowser1->textCursor().hasSelection());
        QCOMPARE(view.WebBrowser1->source(), QUrl());
        QCOMPARE(view.WebBrowser1->contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(port->contextMenuPolicy(), Qt::NoContextMenu);
        view.LoadPusto();
        QVERIFY(view.WebBrowser1->toPlainText().isEmpty());
    }
};

QTEST_MAIN(usrMyWebTest)
#include "usrMyWebTest.moc"
