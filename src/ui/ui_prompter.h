#pragma once

#include "base/prompter.h"

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

class QWidget;
class QDialog;
class QPlainTextEdit;

namespace kv::ui {

class ProgressDisplay;

// The window's Prompter: message boxes, questions, file dialogs, the self-closing
// notice, the report window and a progress dialog with Cancel. Operations call it from
// the worker thread; every call is carried out on the window's own thread.
class UiPrompter : public Prompter {
public:
    using Prompter::ask;
    using Prompter::error;
    using Prompter::failure;
    using Prompter::message;

    explicit UiPrompter(QWidget* parent);
    ~UiPrompter() override;

    void error(const QString& text, const QString& title) override;
    void message(const QString& text, const QString& title) override;
    void failure(const QString& text, const QString& title) override;
    bool ask(const QString& text, const QString& title) override;
    void notice(const QString& text, const QString& title, int seconds) override;
    void report(const QString& title, const QString& text) override;
    QString chooseOpenFile(const QString& title, const QString& filter) override;
    QString chooseSaveFile(const QString& title, const QString& filter, const QString& suggested) override;
    void beginProgress(const QString& title, const QString& doing, int maximum) override;
    bool stepProgress(int value, const QString& detail) override;
    void endProgress() override;

    // From now on questions answer No and nothing more is shown: the window is closing.
    void shutDown();
    // Asks a running long operation to stop at its next step.
    void cancelProgress() { cancelFlag().request(); }

private:
    void onWindowThread(const std::function<void()>& call);

    QPointer<QWidget> parent_;
    QPointer<QDialog> reportWindow_;
    QPointer<QPlainTextEdit> reportText_;
    // Lives on the window's thread; queued calls run in its context.
    std::unique_ptr<QObject> windowThread_;
    std::unique_ptr<ProgressDisplay> progress_;
    std::atomic<bool> closing_{false};
};

} // namespace kv::ui
