#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>

class QProgressBar;
class QProgressDialog;
class QWidget;

namespace kv::ui {

// The window's one progress dialog, shared by every long operation and kept, hidden,
// between them. The operation's thread only publishes what the dialog should show; the
// window's thread applies the latest of it. Steps, ends and messages of an operation may
// reach the window in any order and never meet a dialog that has gone.
class ProgressDisplay : public QObject {
public:
    // onCancel runs on the window's thread when the operator presses Cancel.
    ProgressDisplay(QWidget* parent, std::function<void()> onCancel);
    ~ProgressDisplay() override;

    // From any thread.
    void begin(const QString& title, const QString& doing, int maximum);
    void step(int value, const QString& detail);
    void end();

private:
    struct State {
        // Counts the progresses begun, so the window tells a new one from the last.
        quint64 generation = 0;
        bool active = false;
        QString title;
        QString doing;
        QString detail;
        int value = 0;
        int maximum = 0;
    };

    void publish(const std::function<void(State&)>& change);
    void apply();
    void ensureDialog();

    QPointer<QWidget> parent_;
    std::function<void()> onCancel_;
    QMutex mutex_;
    State published_;
    // Set while an apply is on its way to the window, so a burst of steps costs one.
    std::atomic<bool> applyPosted_{false};
    quint64 shownGeneration_ = 0;
    QPointer<QProgressDialog> dialog_;
    QProgressBar* bar_ = nullptr;
};

} // namespace kv::ui
