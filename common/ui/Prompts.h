// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam for everything modal: message boxes, questions, the text-input
// box, file dialogs, modal windows and the shell's open operation. Programs use
// QtPrompts; tests use a scripted implementation that records and answers.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>

class QDialog;
class QPrinter;

namespace smek {

// The width a window or box needs so that its title is never cut short: the
// title plus the title bar's buttons.
int captionWidth(const QWidget& window);

class Prompts {
public:
    enum class Icon { None, Stop, Warning, Information };

    struct FileRequest {
        bool save = false;
        QString proposedName;
        QStringList filters; // Qt name filters, the first preselected
        QString startFolder;
    };

    explicit Prompts(QString caption) : caption_(std::move(caption)) {}
    virtual ~Prompts() = default;

    const QString& caption() const { return caption_; }
    // Boxes are modal to this window (the program's main window).
    void setOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_; }

    // A box with an OK button, titled with the program's caption.
    virtual void message(const QString& text, Icon icon) = 0;
    void error(const QString& text) { message(text, Icon::Stop); }
    // Yes/No; true for Yes. With noDefault the No button is the default one.
    virtual bool question(const QString& text, Icon icon, bool noDefault) = 0;
    // The text-input box; nullopt when cancelled.
    virtual std::optional<QString> inputText(const QString& prompt, const QString& initial) = 0;
    // The full chosen path, or empty when cancelled.
    virtual QString fileDialog(const FileRequest& request) = 0;
    // Shows a window modally and returns when it is closed.
    virtual void showModal(QDialog& dialog) = 0;
    // The shell's "Open": never blocks, never reports; false when no program
    // took the target (the platform has nothing that opens it).
    virtual bool openUrl(const QString& target) = 0;
    // The print dialog for a printer; true when the player chose to print.
    virtual bool printDialog(QPrinter& printer) = 0;

private:
    QString caption_;
    QPointer<QWidget> owner_;
};

class QtPrompts : public Prompts {
public:
    using Prompts::Prompts;
    void message(const QString& text, Icon icon) override;
    bool question(const QString& text, Icon icon, bool noDefault) override;
    std::optional<QString> inputText(const QString& prompt, const QString& initial) override;
    QString fileDialog(const FileRequest& request) override;
    void showModal(QDialog& dialog) override;
    bool openUrl(const QString& target) override;
    bool printDialog(QPrinter& printer) override;
};

} // namespace smek
