#include "ScriptedPrompts.h"
#include "common/core/Random.h"
#include "common/ui/PictureBox.h"
#include "common/ui/apiOpenSave.h"
#include "common/ui/frmEnd.h"

#include <QApplication>
#include <QtTest>

using namespace smek;

class CommonWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void pictureBoxKeepsWhatIsDrawn();
    void endBannerIsCentredAndAsWideAsItsText();
};

void CommonWindowsTest::pictureBoxKeepsWhatIsDrawn() {
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
}

void CommonWindowsTest::endBannerIsCentredAndAsWideAsItsText() {
    Random random(1);
    frmEnd win(nullptr, 0, &random);
    QCOMPARE(win.windowTitle(), QStringLiteral("Конец игры"));
    QCOMPARE(win.size(), QSize(504, 151));
    const int width = win.Picture1->textWidth(QStringLiteral("ПОБЕДА!!!")) + 4;
    QCOMPARE(win.Picture1->width(), width);
    QCOMPARE(win.Picture1->x(), (504 - width) / 2);
    QVERIFY(win.Timer1->isActive());
}

QTEST_MAIN(CommonWindowsTest)
#include "CommonWindowsTest.moc"
