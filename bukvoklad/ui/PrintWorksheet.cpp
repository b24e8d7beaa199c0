#include "PrintWorksheet.h"

#include "common/ui/Geometry.h"
#include "common/ui/Text.h"
#include "common/ui/PrintOut.h"
#include "common/ui/SaveWebPage.h"
#include "bukvoklad/core/WebPage.h"

#include <QBuffer>
#include <QFormLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

namespace smek::bukvoklad {
namespace {

const QColor kInk(Qt::black);
const QColor kAnswerLine(0x80, 0x80, 0x80);

// Millimetres to device pixels, and fonts sized in millimetres.
struct Paper {
    double perMm;
    QPointF at(double x, double y) const { return {x * perMm, y * perMm}; }
    QRectF rect(double x, double y, double w, double h) const { return {x * perMm, y * perMm, w * perMm, h * perMm}; }
    QFont font(double heightMm, bool bold) const {
        QFont f = serifFont(12, bold);
        f.setPixelSize(std::max(1, static_cast<int>(heightMm * perMm)));
        return f;
    }
};

void paintCells(QPainter& painter, const Paper& paper, double left, double top, double cell, const std::string& letters,
                int count, const QColor& frame) {
    painter.setPen(QPen(frame, 0.25 * paper.perMm));
    for (int j = 0; j < count; ++j) {
        const QRectF box = paper.rect(left + j * cell, top, cell, cell);
        painter.drawRect(box);
        if (static_cast<size_t>(j) < letters.size()) {
            painter.setPen(kInk);
            painter.drawText(box, Qt::AlignCenter, fromCp1251(std::string(1, letters[static_cast<size_t>(j)])));
            painter.setPen(QPen(frame, 0.25 * paper.perMm));
        }
    }
}

// One page: the title and a row per word; on the answers page the answer
// cells hold the words.
void paintPage(QPainter& painter, const Paper& paper, const WorksheetLayout& l, double pageWidth,
               const Worksheet& sheet, const QString& title, bool answers) {
    painter.setPen(kInk);
    painter.setFont(paper.font(l.titleHeight * 0.6, true));
    painter.drawText(paper.rect(l.margin, l.titleTop, pageWidth - 2 * l.margin, l.titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    for (size_t i = 0; i < sheet.items.size(); ++i) {
        const WorksheetItem& item = sheet.items[i];
        const int n = static_cast<int>(item.word.size());
        const double top = l.firstRow + static_cast<double>(i) * l.rowPitch;
        painter.setPen(kInk);
        painter.setFont(paper.font(l.cell * 0.6, false));
        painter.drawText(paper.rect(l.margin, top, l.numberWidth - 2, l.cell), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(i + 1) + QLatin1Char('.'));
        painter.setFont(paper.font(l.cell * 0.68, true));
        paintCells(painter, paper, l.lettersLeft, top, l.cell, item.letters, n, kInk);
        paintCells(painter, paper, l.answerLeft, top, l.cell, answers ? item.word : std::string(), n, kAnswerLine);
    }
}

} // namespace

frmWorksheet::frmWorksheet(QWidget* parent, const Game& game, Prompts& prompts) : QDialog(parent), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Лист с анаграммами"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout;
    selWords = new QSpinBox(this);
    selWords->setRange(kWorksheetMinWords, kWorksheetMaxWords);
    selWords->setValue(20);
    form->addRow(QStringLiteral("Количество слов:"), selWords);
    selLenSlov = new QComboBox(this);
    selLenSlov->addItem(QStringLiteral("разное"), 0);
    for (int n = 4; n <= kMaxLetters; ++n) selLenSlov->addItem(QString::number(n), n);
    const int fixed = selLenSlov->findData(game.OptKolBukv);
    if (fixed > 0) selLenSlov->setCurrentIndex(fixed);
    form->addRow(QStringLiteral("Букв в слове:"), selLenSlov);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmWorksheet::kOK_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->addSpacerItem(new QSpacerItem(captionWidth(*this), 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmWorksheet::kOK_Click() {
    // A count typed outside the range would otherwise fall back to the last
    // valid one without a word.
    bool number = false;
    const int n = selWords->cleanText().toInt(&number);
    if (!number || n < kWorksheetMinWords || n > kWorksheetMaxWords) {
        prompts_.error(QStringLiteral("Количество слов - от %1 до %2").arg(kWorksheetMinWords).arg(kWorksheetMaxWords));
        selWords->setFocus();
        selWords->selectAll();
        return;
    }
    selWords->setValue(n);
    accept();
}

int frmWorksheet::length() const {
    return selLenSlov->currentData().toInt();
}

bool paintWorksheet(QPagedPaintDevice& device, const Worksheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const Paper paper{device.logicalDpiX() / 25.4};
    const QRectF page = device.pageLayout().fullRect(QPageLayout::Millimeter);
    int longest = 1;
    for (const WorksheetItem& item : sheet.items) longest = std::max(longest, static_cast<int>(item.word.size()));
    const WorksheetLayout layout =
        layoutWorksheet(static_cast<int>(sheet.items.size()), longest, page.width(), page.height());
    paintPage(painter, paper, layout, page.width(), sheet, QStringLiteral("Буквоклад: составьте из букв слова"), false);
    device.newPage();
    paintPage(painter, paper, layout, page.width(), sheet, QStringLiteral("Ответы"), true);
    return painter.end();
}

QByteArray worksheetPdf(const Worksheet& sheet) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Буквоклад"));
        pdf.setResolution(600);
        // The layout keeps its own margins, measured from the paper's edge.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        if (!paintWorksheet(pdf, sheet)) return {};
    }
    return bytes;
}

void printWorksheet(QWidget* parent, Prompts& prompts, const Game& game, const Places& places, Random& random,
                    WorksheetOutput output) {
    frmWorksheet choice(parent, game, prompts);
    prompts.showModal(choice);
    if (choice.result() != QDialog::Accepted) return;
    const Worksheet sheet = makeWorksheet(std::filesystem::path(game.PathData), choice.words(), choice.length(), random);
    if (sheet.status != NewGameResult::Status::Ok) {
        prompts.error(fromUtf8(worksheetMessage(sheet)));
        return;
    }
    if (output == WorksheetOutput::Printer) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setFullPage(true); // the layout keeps its own margins
        printer.setDocName(QStringLiteral("Буквоклад"));
        QPrintDialog dialog(&printer, parent);
        prompts.showModal(dialog);
        if (dialog.result() != QDialog::Accepted) return;
        if (!paintWorksheet(printer, sheet)) prompts.error(QStringLiteral("Напечатать лист не удалось."));
        return;
    }

    if (output == WorksheetOutput::WebPage) {
        saveWebPage(prompts, places, QStringLiteral("Анаграммы.html"), [&] { return webPage(sheet); });
        return;
    }
    savePdfFile(prompts, places, QStringLiteral("Анаграммы.pdf"), [&] { return worksheetPdf(sheet); });
}

} // namespace smek::bukvoklad
