#pragma once

#include "gui/common/dialogservice.h"
#include "gui/common/messageboxstyle.h"

#include "core/base/messenger.h"

#include <QAbstractButton>
#include <QDialog>
#include <QPrinter>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kora::gui::test {

// A control of a window by its name; a missing one fails the test at once.
template <typename T> T* child(const QObject& parent, const char* name) {
    T* c = parent.findChild<T*>(QString::fromLatin1(name));
    if (c == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return c;
}
inline void click(const QObject& parent, const char* name) {
    child<QAbstractButton>(parent, name)->click();
}

// A DialogService for tests: records every question and answers from queues. With a queue empty
// it answers as a careful user would: the default button of a message box (Cancel for
// Retry/Cancel, so a failing step is never retried for ever), and Cancel for every other dialog.
class ScriptedDialogService : public DialogService {
public:
    struct Message {
        QString text;
        int style;
        QString title;
    };
    std::vector<Message> messages;
    std::deque<int> messageAnswers;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::optional<QString>> fileAnswers;
    // Each print dialog takes the next script: it may set up the printer (a PDF file name) and
    // answers true for Print, false for Cancel.
    int printDialogs = 0;
    std::deque<std::function<bool(QPrinter&)>> printScripts;
    std::deque<std::optional<QFont>> fontAnswers;
    // Our own modal dialogs: each one gets the next script, which can fill in and click its
    // controls, and returns the result code. The objectName of every dialog shown is recorded.
    std::vector<QString> dialogsShown;
    std::deque<std::function<int(QDialog&)>> dialogScripts;
    std::vector<QUrl> openedUrls;
    bool openUrlResult = false;

    QStringList messageTexts() const {
        QStringList t;
        for (const auto& m : messages) t << m.text;
        return t;
    }

    int message(QWidget*, const QString& text, int style, const QString& title) override {
        messages.push_back({text, style, title});
        if (!messageAnswers.empty()) return take(messageAnswers, 0);
        if (mb::buttons(style) == mb::RetryCancel) return mb::AnswerCancel;
        return MessageBoxStyle::fromClassic(style).defaultAnswer();
    }
    std::optional<QString> fileDialog(QWidget*, const FileDialogRequest& request) override {
        fileRequests.push_back(request);
        return take(fileAnswers, std::optional<QString>{});
    }
    bool printDialog(QWidget*, QPrinter& printer,
                     QAbstractPrintDialog::PrintDialogOptions) override {
        ++printDialogs;
        return take(printScripts,
                    std::function<bool(QPrinter&)>{[](QPrinter&) { return false; }})(printer);
    }
    bool pageSetupDialog(QWidget*, QPrinter&) override { return false; }
    std::optional<QFont> fontDialog(QWidget*, const QFont&, const QString&) override {
        return take(fontAnswers, std::optional<QFont>{});
    }
    std::optional<QString> folderDialog(QWidget*, const QString&, const QString&) override {
        return std::nullopt;
    }
    int execDialog(QDialog& dialog) override {
        dialogsShown.push_back(dialog.objectName());
        return take(dialogScripts, std::function<int(QDialog&)>{
                                       [](QDialog&) { return int(QDialog::Rejected); }})(dialog);
    }
    bool openUrl(const QUrl& url) override {
        openedUrls.push_back(url);
        return openUrlResult;
    }

private:
    template <typename T> static T take(std::deque<T>& queue, T otherwise) {
        if (!queue.empty()) {
            otherwise = std::move(queue.front());
            queue.pop_front();
        }
        return otherwise;
    }
};

} // namespace kora::gui::test
