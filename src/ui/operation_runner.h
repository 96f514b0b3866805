#pragma once

#include "app/operation_guard.h"

#include <QObject>
#include <QThread>
#include <functional>

namespace kv {
class Prompter;
}

namespace kv::ui {

// Runs device operations one at a time on a worker thread, so the window stays
// responsive while an operation waits on the line. A second operation started while
// one runs is refused with a message.
class OperationRunner : public QObject {
    Q_OBJECT
public:
    explicit OperationRunner(Prompter& prompter, QObject* parent = nullptr);
    ~OperationRunner() override;

    // Starts work on the worker thread; done then runs on the window's thread. Returns
    // false (after the message) when another operation is running.
    bool run(std::function<void(Prompter&)> work, std::function<void()> done = {});
    bool busy() const { return guard_.busy(); }
    // Blocks until the running operation, if any, has ended (shutdown, tests).
    void waitIdle();

signals:
    void busyChanged(bool busy);

private:
    Prompter& prompter_;
    OperationGuard guard_;
    QThread thread_;
    QObject* worker_;
};

} // namespace kv::ui
