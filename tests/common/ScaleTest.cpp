// SPDX-License-Identifier: GPL-3.0-or-later
// Picture surfaces on a screen of device pixel ratio 2: the backing image has
// twice the pixels each way and shows the same drawing, at the same logical
// coordinates, as at ratio 1.
#include "CellLetterFaults.h"
#include "common/ui/Geometry.h"
#include "common/ui/PictureBox.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

using namespace smek;

namespace {

// The box around the pixels darker than mid grey, in the image's own pixels.
QRect darkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    return box;
}

// Every device pixel of logical pixel (x, y) has the colour.
bool logicalPixelIs(const QImage& image, int x, int y, QRgb colour) {
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx)
            if ((image.pixel(2 * x + dx, 2 * y + dy) & 0xFFFFFF) != (colour & 0xFFFFFF)) return false;
    return true;
}

} // namespace

class ScaleTest : public QObject {
    Q_OBJECT
private slots:
    void boardLettersKeepClearOfTheLines() { QCOMPARE(test::cellLetterFaults(), QStringList()); }

    void surfaceHasTwiceThePixels() {
        PictureBox box;
        box.setOuterSize(100, 40);
        QCOMPARE(box.size(), QSize(100, 40)); // the widget keeps its logical size
        QCOMPARE(box.pixelRatio(), 2.0);
        QCOMPARE(box.image().size(), QSize(200, 80));
        QCOMPARE(box.image().devicePixelRatio(), 2.0);
        box.setSunkenBorder(true);
        QCOMPARE(box.image().size(), QSize(192, 72)); // 96 x 36 logical inside the border
        // Growing keeps what was drawn, at its place.
        box.fillRect(0, 0, 9, 9, Qt::red);
        box.setOuterSize(120, 60);
        QCOMPARE(box.image().size(), QSize(232, 112));
        QVERIFY(logicalPixelIs(box.image(), 9, 9, qRgb(255, 0, 0)));
        QVERIFY(logicalPixelIs(box.image(), 10, 10, qRgb(255, 255, 255)));
    }

    void linesAndRectanglesCoverWholeLogicalPixels() {
        PictureBox box;
        box.setOuterSize(50, 50);
        box.clear();
        box.line(0, 10, 49, 10, Qt::black);
        box.line(20, 0, 20, 49, Qt::black);
        box.outlineRect(30, 30, 40, 45, Qt::blue);
        box.fillRect(2, 2, 5, 6, Qt::green);
        const QImage& image = box.image();
        for (int x = 0; x < 50; ++x) QVERIFY(logicalPixelIs(image, x, 10, qRgb(0, 0, 0)));
        for (int y = 0; y < 50; ++y) QVERIFY(logicalPixelIs(image, 20, y, qRgb(0, 0, 0)));
        // One logical pixel wide: the rows beside the line stay white.
        QVERIFY(logicalPixelIs(image, 0, 9, qRgb(255, 255, 255)) && logicalPixelIs(image, 0, 11, qRgb(255, 255, 255)));
        // Corners inclusive, inside untouched.
        for (const QPoint corner : {QPoint(30, 30), QPoint(40, 30), QPoint(30, 45), QPoint(40, 45)})
            QVERIFY(logicalPixelIs(image, corner.x(), corner.y(), qRgb(0, 0, 255)));
        QVERIFY(logicalPixelIs(image, 35, 40, qRgb(255, 255, 255)));
        QVERIFY(logicalPixelIs(image, 41, 45, qRgb(255, 255, 255)));
        QVERIFY(logicalPixelIs(image, 2, 2, qRgb(0, 255, 0)) && logicalPixelIs(image, 5, 6, qRgb(0, 255, 0)));
        QVERIFY(logicalPixelIs(image, 6, 6, qRgb(255, 255, 255)) && logicalPixelIs(image, 5, 7, qRgb(255, 255, 255)));
    }

    void textIsDrawnAtTheScreensResolutionInTheSamePlace() {
        const QFont font = serifFont(20.25, true);
        PictureBox box;
        box.setDrawFont(font);
        box.setOuterSize(120, 40);
        box.clear();
        box.text(10, 3, QStringLiteral("КОТ"), Qt::black);
        // The same text on a plain ratio-1 image, as the surface drew it before.
        QImage plain(120, 40, QImage::Format_RGB32);
        plain.fill(Qt::white);
        {
            QPainter p(&plain);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(10, 3 + QFontMetrics(font).ascent(), QStringLiteral("КОТ"));
        }
        const QRect sharp = darkBox(box.image());
        const QRect reference = darkBox(plain);
        QVERIFY(!reference.isEmpty());
        // Same place and size within a logical pixel...
        QVERIFY2(std::abs(sharp.left() / 2 - reference.left()) <= 1 && std::abs(sharp.top() / 2 - reference.top()) <= 1 &&
                     std::abs(sharp.right() / 2 - reference.right()) <= 1 &&
                     std::abs(sharp.bottom() / 2 - reference.bottom()) <= 1,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 against %5,%6 %7x%8")
                                .arg(sharp.x()).arg(sharp.y()).arg(sharp.width()).arg(sharp.height())
                                .arg(reference.x()).arg(reference.y()).arg(reference.width()).arg(reference.height())));
        // ...and drawn with the finer pixels, not the ratio-1 letters doubled:
        // somewhere two device pixels of one logical pixel differ.
        bool finer = false;
        for (int y = 0; y < box.image().height() && !finer; y += 2)
            for (int x = 0; x < box.image().width() && !finer; x += 2)
                finer = box.image().pixel(x, y) != box.image().pixel(x + 1, y);
        QVERIFY(finer);
        QCOMPARE(box.textWidth(QStringLiteral("КОТ")), qRound(QFontMetricsF(font).horizontalAdvance(QStringLiteral("КОТ"))));
    }

    void pastedPicturesAtTheSameRatioKeepTheirPixels() {
        QImage icon = pictureImage(4, 3, 2, Qt::yellow);
        QCOMPARE(icon.size(), QSize(8, 6));
        icon.setPixel(1, 0, qRgb(0, 0, 0)); // one device pixel of its own
        PictureBox box;
        box.setOuterSize(20, 20);
        box.clear();
        box.paste(5, 6, icon);
        QCOMPARE(box.image().copy(10, 12, 8, 6), icon.copy());
        QVERIFY(logicalPixelIs(box.image(), 4, 6, qRgb(255, 255, 255)));
    }

    // At 1.5 a logical pixel is one and a half device pixels: every grid line
    // must still come out equally wide, and cell fills must not eat into it.
    void gridLinesStayEven() {
        PictureBox box;
        box.setOuterSize(400, 40);
        box.clear();
        // One band of ten rows for each cell size of the games.
        const QList<int> cells{33, 26, 20, 40};
        for (int band = 0; band < cells.size(); ++band) {
            for (int x = 0; x < 400; x += cells[band]) box.line(x, 10 * band, x, 10 * band + 9, Qt::black);
            // Cells drawn after their lines, as a marked letter is.
            for (int x = 0; x + cells[band] < 400; x += cells[band])
                box.fillRect(x + 1, 10 * band + 2, x + cells[band] - 1, 10 * band + 7, Qt::white);
        }
        const int expected = std::max(1, qRound(box.pixelRatio()));
        for (int band = 0; band < cells.size(); ++band) {
            const int row = box.image().height() * (2 * band + 1) / 8;
            int lines = 0;
            for (int x = 0; x < box.image().width();) {
                int w = 0;
                while (x + w < box.image().width() && qGray(box.image().pixel(x + w, row)) < 128) ++w;
                if (w > 0) {
                    QVERIFY2(w == expected, qPrintable(QStringLiteral("cell %1: a line %2 wide").arg(cells[band]).arg(w)));
                    ++lines;
                }
                x += std::max(w, 1);
            }
            QCOMPARE(lines, (399 / cells[band]) + 1);
        }
    }

    void mouseReportsLogicalPixels() {
        PictureBox box;
        box.setSunkenBorder(true);
        box.setOuterSize(60, 60);
        QPoint at;
        connect(&box, &PictureBox::mouseUp, this, [&](Qt::MouseButton, int x, int y) { at = QPoint(x, y); });
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(32, 12));
        QCOMPARE(at, QPoint(30, 10));
    }
};

int main(int argc, char** argv) {
    // Before the application exists: every screen then has the ratio 2,
    // unless the run asks for another scale.
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ScaleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ScaleTest.moc"
