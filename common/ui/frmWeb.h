// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The help window: a maximized window filled by an HTML view. Its caption
// follows the page's title, or stays fixed when the caller gives one.
#include "Prompts.h"

#include <QDialog>
#include <QTextBrowser>

namespace smek {

class frmWeb : public QDialog {
    Q_OBJECT
public:
    frmWeb(QWidget* parent, Prompts& prompts, const QString& webPage, const QString& fixedCaption = QString());

    QTextBrowser* WebBrowser1 = nullptr;

    // Loads a local page (CP1251 or UTF-8) into the view.
    void navigate(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void linkClicked(const QUrl& url);

    Prompts& prompts_;
    QString fixedCaption_;
    QString currentPage_;
};

} // namespace smek
