// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmWeb.h"

#include "../core/Cp1251.h"
#include "../core/TextFile.h"
#include "Geometry.h"
#include "Text.h"
#include "WebLinks.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QUrl>

namespace smek {
namespace {

// The help pages are CP1251 with a charset meta; a page that is valid UTF-8
// and says nothing of windows-1251 is read as UTF-8.
QString decodePage(const std::string& bytes) {
    std::string lower(bytes.substr(0, 1024));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool says1251 = lower.find("windows-1251") != std::string::npos;
    if (!says1251 && isValidUtf8(bytes)) return QString::fromStdString(bytes);
    return fromCp1251(bytes);
}

} // namespace

frmWeb::frmWeb(QWidget* parent, Prompts& prompts, const QString& webPage, const QString& fixedCaption)
    : QDialog(parent), prompts_(prompts), fixedCaption_(fixedCaption) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(fixedCaption);
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setFont(sansFont(10)); // pages set no font of their own; the dialog default is too small to read
    WebBrowser1->setOpenLinks(false);
    connect(WebBrowser1, &QTextBrowser::anchorClicked, this, &frmWeb::linkClicked);
    // The screen's free area until the window manager maximizes the window
    // (a desktop without one would otherwise show a window of a few pixels).
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    navigate(webPage);
}

void frmWeb::navigate(const QString& path) {
    currentPage_ = path;
    const ReadResult page = readTextFile(path.toStdString());
    if (page.error) {
        WebBrowser1->setHtml(QStringLiteral("<html><head><title>Страница не найдена</title></head><body>"
                                            "<h2>Страница не найдена</h2><p>") +
                             path.toHtmlEscaped() + QStringLiteral("</p></body></html>"));
    } else {
        WebBrowser1->setSearchPaths({QFileInfo(path).absolutePath()});
        WebBrowser1->document()->setBaseUrl(QUrl::fromLocalFile(path));
        WebBrowser1->setHtml(decodePage(page.content));
    }
    if (fixedCaption_.isEmpty())
        setWindowTitle(WebBrowser1->document()->metaInformation(QTextDocument::DocumentTitle));
}

void frmWeb::linkClicked(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == QStringLiteral("http") || scheme == QStringLiteral("https") || scheme == QStringLiteral("mailto")) {
        OpURL(prompts_, url.toString());
        return;
    }
    if (url.path().isEmpty() && url.hasFragment()) {
        WebBrowser1->scrollToAnchor(url.fragment());
        return;
    }
    const QUrl resolved = QUrl::fromLocalFile(currentPage_).resolved(url);
    navigate(resolved.toLocalFile());
    if (url.hasFragment()) WebBrowser1->scrollToAnchor(url.fragment());
}

void frmWeb::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The view, shown before the window is maximized, scrolls its caret into
    // its small first size and stays scrolled; the page opens at its top.
    WebBrowser1->setGeometry(0, 0, width(), height());
    WebBrowser1->verticalScrollBar()->setValue(0);
}

void frmWeb::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    WebBrowser1->setGeometry(0, 0, width(), height());
}

} // namespace smek
