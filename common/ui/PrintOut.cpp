// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintOut.h"

#include "Text.h"
#include "apiOpenSave.h"
#include "common/core/FileMessages.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

namespace smek {

void setA4(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                     QPageLayout::Millimeter));
}

QRect pageArea(const QPagedPaintDevice& device) {
    return {QPoint(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size()};
}

bool printPages(Prompts& prompts, const QString& documentName, const DrawPages& draw) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    setA4(printer);
    if (!prompts.printDialog(printer)) return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompts.error(QStringLiteral("Печать не удалась: принтер недоступен."));
        return false;
    }
    draw(painter, printer);
    return painter.end();
}

QByteArray pdfBytes(const QString& documentName, const DrawPages& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setTitle(documentName);
        writer.setCreator(QStringLiteral("Смекалия"));
        setA4(writer);
        QPainter painter(&writer);
        draw(painter, writer);
    }
    return bytes;
}

QString savePdfFile(Prompts& prompts, const Places& places, const QString& proposedName,
                    const std::function<QByteArray()>& render) {
    const QString name = askFileName(prompts, places, "pdf", -1, proposedName,
                                     {{QStringLiteral("Документ PDF (*.pdf)"), QStringLiteral("*.pdf")}},
                                     {QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")});
    if (name.isEmpty()) return {};
    const std::string path = withExtension(toPath(name), ".pdf");
    const QByteArray bytes = render();
    // No document came out of the painter: nothing to write.
    const SaveOutcome outcome =
        bytes.isEmpty() ? SaveOutcome{SaveOutcome::Kind::Failed, fileMessage(path, FileTail::CannotSave)}
                        : saveFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), true,
                                   replaceQuestion(prompts));
    if (outcome.kind == SaveOutcome::Kind::Failed) prompts.error(fromUtf8(outcome.message));
    if (outcome.kind != SaveOutcome::Kind::Saved) return {};
    return fromPath(path);
}

QString savePdf(Prompts& prompts, const Places& places, const QString& proposedName, const QString& documentName,
                const DrawPages& draw) {
    return savePdfFile(prompts, places, proposedName, [&] { return pdfBytes(documentName, draw); });
}

} // namespace smek
