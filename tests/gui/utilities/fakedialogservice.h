#pragma once

#include "app/dialogservice.h"
#include "base/messenger.h"

#include <QDialog>
#include <QString>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace kora::gui::test {

// A DialogService for the help and utility windows' tests: records every message, every URL
// handed to the desktop and every dialog that would have been run modally. openUrl answers from `openUrlResult`; a modal dialog
// is handed to `onExec` (which may tick boxes or click buttons) instead of blocking.
class FakeDialogService : public DialogService {
public:
    struct Message {
        QString text;
        int style;
        QString title;
    };

    std::vector<Message> messages;
    std::vector<QUrl> openedUrls;
    std::vector<QString> executedDialogs; // objectName of each dialog run
    bool openUrlResult = false;
    std::function<int(QDialog&)> onExec;

    int message(QWidget*, const QString& text, int style, const QString& title) override {
        messages.push_back({text, style, title});
        return mb::AnswerOK;
    }

    // No file, printer, font or folder dialog belongs to these windows: all of them cancel.
    std::optional<QString> fileDialog(QWidget*, const FileDialogRequest&) override { return {}; }
    bool printDialog(QWidget*, QPrinter&, QAbstractPrintDialog::PrintDialogOptions) override {
        return false;
    }
    bool pageSetupDialog(QWidget*, QPrinter&) override { return false; }
    std::optional<QFont> fontDialog(QWidget*, const QFont&, const QString&) override { return {}; }
    std::optional<QString> folderDialog(QWidget*, const QString&, const QString&) override {
        return {};
    }

    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return openUrlResult;
    }

    int execDialog(QDialog& dialog) override {
        executedDialogs.push_back(dialog.objectName());
        return onExec ? onExec(dialog) : int(QDialog::Rejected);
    }

    std::vector<QString> messageTexts() const {
        std::vector<QString> texts;
        for (const Message& m : messages) texts.push_back(m.text);
        return texts;
    }
};

} // namespace kora::gui::test
