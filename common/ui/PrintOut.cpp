#include "PrintOut.h"

#include "Text.h"
#include "apiOpenSave.h"
#include "common/core/FileMessages.h"
#include "common/core/Paths.h"
#include "common/core/TextFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <filesystem>

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

QString savePdf(Prompts& prompts, const Places& places, const QString& proposedName, const QString& documentName,
                const DrawPages& draw) {
    QString name = askFileName(prompts, places, "pdf", -1, proposedName,
                               {{QStringLiteral("PDF (*.pdf)"), QStringLiteral("*.pdf")}},
                               {QStringLiteral("Все файлы (*.*)"), QStringLiteral("*.*")});
    if (name.isEmpty()) return {};
    if (PoiskTochki(name.toStdString()) == 0) name += QStringLiteral(".pdf");
    const std::filesystem::path path(name.toStdString());
    const auto messageFor = [&](FileTail tail) { return fromUtf8(fileMessage(name.toStdString(), tail)); };
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !prompts.question(messageFor(FileTail::AlreadyExists), Prompts::Icon::Warning, true))
        return {};
    const QByteArray bytes = pdfBytes(documentName, draw);
    if (const std::error_code error = writeTextFileAtomic(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())))) {
        prompts.error(messageFor(saveFailureTail(error)));
        return {};
    }
    return name;
}

} // namespace smek
